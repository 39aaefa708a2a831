// navegador: headless chromium driven over the DevTools protocol (node + the ws package),
// and the local web server that serves the built site on 127.0.0.1. Used by the browser test.
'use strict';

const {spawn} = require('child_process');
const fs = require('fs');
const http = require('http');
const net = require('net');
const os = require('os');
const path = require('path');
const WebSocket = require('ws');

function espera(ms) {
  return new Promise((resolve) => setTimeout(resolve, ms));
}

// A TCP port that is free on 127.0.0.1 at the moment of asking.
function portaLivre() {
  return new Promise((resolve, reject) => {
    const s = net.createServer();
    s.once('error', reject);
    s.listen(0, '127.0.0.1', () => {
      const porta = s.address().port;
      s.close(() => resolve(porta));
    });
  });
}

async function esperaAte(condicao, limiteMs, oQue) {
  const fim = Date.now() + limiteMs;
  for (;;) {
    const valor = await condicao();
    if (valor) return valor;
    if (Date.now() > fim) throw new Error('timed out waiting for ' + oQue);
    await espera(50);
  }
}

// python3's http.server on 127.0.0.1, serving `pasta`. Resolves once it answers.
async function abreServidor(pasta) {
  const porta = await portaLivre();
  const processo = spawn('python3', ['-m', 'http.server', String(porta), '--bind', '127.0.0.1'],
                         {cwd: pasta, stdio: ['ignore', 'ignore', 'pipe']});
  let saida = '';
  processo.stderr.on('data', (d) => { saida += d; });
  const responde = () => new Promise((resolve) => {
    http.get({host: '127.0.0.1', port: porta, path: '/'}, (r) => { r.resume(); resolve(true); })
        .on('error', () => resolve(false));
  });
  await esperaAte(responde, 10000, 'the web server');
  return {url: `http://127.0.0.1:${porta}/`, fecha: () => processo.kill(), registro: () => saida};
}

// One DevTools connection to one page: commands with replies, events to listeners.
class Pagina {
  constructor(ws) {
    this.ws = ws;
    this.proximo = 1;
    this.pendentes = new Map();
    this.ouvintes = [];
    ws.on('message', (dados) => {
      const m = JSON.parse(dados);
      if (m.id && this.pendentes.has(m.id)) {
        const {resolve, reject} = this.pendentes.get(m.id);
        this.pendentes.delete(m.id);
        if (m.error) reject(new Error(m.error.message));
        else resolve(m.result);
      } else if (m.method) {
        for (const o of this.ouvintes) o(m.method, m.params);
      }
    });
  }
  envia(metodo, parametros = {}) {
    const id = this.proximo++;
    this.ws.send(JSON.stringify({id, method: metodo, params: parametros}));
    return new Promise((resolve, reject) => this.pendentes.set(id, {resolve, reject}));
  }
  ouve(f) {
    this.ouvintes.push(f);
  }
  // The value of a JS expression in the page (awaited when it is a promise).
  async avalia(expressao) {
    const r = await this.envia('Runtime.evaluate',
                               {expression: expressao, returnByValue: true, awaitPromise: true});
    if (r.exceptionDetails) throw new Error('in the page: ' + r.exceptionDetails.text);
    return r.result.value;
  }
}

// Starts chromium headless on an empty profile of its own and opens one blank page. Sound
// may start without a key press unless `comoPessoa`, where the browser's usual rule holds.
async function abreNavegador(comoPessoa = false) {
  const perfil = fs.mkdtempSync(path.join(os.tmpdir(), 'corvela-chromium-'));
  const processo = spawn('chromium', [
    '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    ...(comoPessoa ? [] : ['--autoplay-policy=no-user-gesture-required']),
    '--run-all-compositor-stages-before-draw', '--remote-debugging-port=0',
    '--user-data-dir=' + perfil, '--window-size=1000,800',
    'about:blank',
  ], {stdio: ['ignore', 'ignore', 'pipe'], detached: true});  // its own process group
  let saida = '';
  processo.stderr.on('data', (d) => { saida += d; });
  const portaArquivo = path.join(perfil, 'DevToolsActivePort');
  const porta = await esperaAte(() => {
    try {
      return fs.readFileSync(portaArquivo, 'utf8').split('\n')[0];
    } catch (e) {
      return null;
    }
  }, 30000, 'chromium to start');
  const alvos = await esperaAte(() => new Promise((resolve) => {
    http.get({host: '127.0.0.1', port: porta, path: '/json/list'}, (r) => {
      let corpo = '';
      r.on('data', (d) => { corpo += d; });
      r.on('end', () => {
        const lista = JSON.parse(corpo).filter((a) => a.type === 'page');
        resolve(lista.length ? lista : null);
      });
    }).on('error', () => resolve(null));
  }), 10000, 'a page in chromium');
  const ws = new WebSocket(alvos[0].webSocketDebuggerUrl, {perMessageDeflate: false});
  await new Promise((resolve, reject) => { ws.once('open', resolve); ws.once('error', reject); });
  const pagina = new Pagina(ws);
  // The browser and every helper process it started, then its profile.
  const fecha = async () => {
    ws.close();
    const saiu = new Promise((resolve) => processo.once('exit', resolve));
    process.kill(-processo.pid, 'SIGTERM');
    await saiu;
    await esperaAte(() => {
      try {
        process.kill(-processo.pid, 0);
        return false;
      } catch (e) {
        return true;
      }
    }, 10000, 'chromium to end').catch(() => {
      try {
        process.kill(-processo.pid, 'SIGKILL');
      } catch (e) {
        // gone meanwhile
      }
    });
    try {
      fs.rmSync(perfil, {recursive: true, force: true, maxRetries: 10, retryDelay: 200});
    } catch (e) {
      console.error('could not remove ' + perfil + ': ' + e.message);
    }
  };
  return {pagina, fecha, registro: () => saida};
}

module.exports = {abreNavegador, abreServidor, espera, esperaAte};
