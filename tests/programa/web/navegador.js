// navegador: the built site served on 127.0.0.1, and one page of it in headless chromium driven
// over the DevTools protocol on a pipe: keys pressed and fingers put down as a player does, the
// game's canvas read back, the music's state, and what the console reports as an error.
// Depends on node alone.
'use strict';

const {spawn} = require('child_process');
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');

const LARGURA = 320, ALTURA = 240;
const TECLAS = {cima: ['ArrowUp', 'ArrowUp', 38], baixo: ['ArrowDown', 'ArrowDown', 40],
                ctrl: ['Control', 'ControlLeft', 17], esc: ['Escape', 'Escape', 27],
                backspace: ['Backspace', 'Backspace', 8]};
// A key is held for this many of the game's frames and left up as long, so the game sees it
// go down in one frame and up in a later one, however slow the machine.
const QUADROS_POR_TECLA = 2;
const TIPOS = {'.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
               '.png': 'image/png', '.webmanifest': 'application/manifest+json'};

const espera = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The canvas read back: {w, h, px}. The native screen has 16-bit pixels, so a colour there may
// lie up to 7 from the page's 8-bit one; rectangles are {x, y, w, h}, in game pixels.
const TOLERANCIA = 8;
const cor = (t, x, y) => [...t.px.subarray((y * t.w + x) * 3, (y * t.w + x) * 3 + 3)];
const perto = (a, b) => a.every((v, k) => Math.abs(v - b[k]) <= TOLERANCIA);
const dentro = (x, y, r) => x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
function* pontos(r, fora = []) {
  for (let y = r.y; y < r.y + r.h; ++y)
    for (let x = r.x; x < r.x + r.w; ++x)
      if (!fora.some((e) => dentro(x, y, e))) yield [x, y];
}
// Cell i of the board, in reading order.
const celula = (i) => ({x: 80 + (i % 4) * 60, y: Math.floor(i / 4) * 60, w: 60, h: 60});

// Each check printed; the failed ones make the drive fail.
const falhas = [];
function confere(oQue, ok, detalhe = '') {
  console.log((ok ? 'ok   ' : 'FAIL ') + oQue + (detalhe ? ': ' + detalhe : ''));
  if (!ok) falhas.push(oQue);
}

async function esperaAte(condicao, limiteMs, oQue) {
  for (const fim = Date.now() + limiteMs; ; await espera(50)) {
    const valor = await condicao();
    if (valor) return valor;
    if (Date.now() > fim) throw new Error('timed out waiting for ' + oQue);
  }
}

// The site's files (a flat folder) on a port the system picks.
function abreServidor(pasta) {
  const servidor = http.createServer((pedido, resposta) => {
    const nome = path.basename(new URL(pedido.url, 'http://x').pathname) || 'index.html';
    fs.readFile(path.join(pasta, nome), (erro, dados) => {
      resposta.writeHead(erro ? 404 : 200,
                         {'Content-Type': TIPOS[path.extname(nome)] || 'application/octet-stream'});
      resposta.end(dados);
    });
  });
  return new Promise((resolve) => servidor.listen(0, '127.0.0.1', () => resolve({
    url: `http://127.0.0.1:${servidor.address().port}/`,
    fecha: () => { servidor.closeAllConnections(); servidor.close(); },
  })));
}

class Navegador {
  // chromium on an empty profile of its own, in its own process group, with one blank page.
  // Sound starts only after a key press, as in people's browsers.
  static async abre() {
    const perfil = fs.mkdtempSync(path.join(os.tmpdir(), 'corvela-chromium-'));
    const processo = spawn('chromium', [
      '--headless', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-sync',
      '--disable-background-networking', '--disable-component-update', '--remote-debugging-pipe',
      '--user-data-dir=' + perfil, '--window-size=1000,800', 'about:blank',
    ], {stdio: ['ignore', 'ignore', 'ignore', 'pipe', 'pipe'], detached: true});
    const n = new Navegador(processo, perfil);
    const {targetId} = await n.envia('Target.createTarget', {url: 'about:blank'});
    n.sessao = (await n.envia('Target.attachToTarget', {targetId, flatten: true})).sessionId;
    for (const dominio of ['Runtime', 'Log', 'Page']) await n.envia(dominio + '.enable');
    return n;
  }

  constructor(processo, perfil) {
    Object.assign(this, {processo, perfil, proximo: 1, pendentes: new Map(), erros: [],
                         dedos: new Map()});
    let resto = '';
    processo.stdio[4].setEncoding('utf8');
    processo.stdio[4].on('data', (dados) => {
      const mensagens = (resto + dados).split('\0');
      resto = mensagens.pop();
      for (const m of mensagens.map((texto) => JSON.parse(texto))) {
        if (this.pendentes.has(m.id)) {
          const {resolve, reject} = this.pendentes.get(m.id);
          this.pendentes.delete(m.id);
          if (m.error) reject(new Error(m.error.message));
          else resolve(m.result);
        } else {
          this.ouve(m.method, m.params);
        }
      }
    });
  }

  // What the page reports as an error: on its console, thrown, or in the browser's log.
  ouve(metodo, p) {
    if (metodo === 'Runtime.consoleAPICalled' && (p.type === 'error' || p.type === 'assert'))
      this.erros.push(p.args.map((a) => a.value ?? a.description).join(' '));
    else if (metodo === 'Runtime.exceptionThrown')
      this.erros.push(p.exceptionDetails.exception?.description ?? p.exceptionDetails.text);
    else if (metodo === 'Log.entryAdded' && p.entry.level === 'error')
      this.erros.push(p.entry.text + ' ' + (p.entry.url || ''));
  }

  envia(method, params = {}) {
    const id = this.proximo++;
    this.processo.stdio[3].write(JSON.stringify({id, method, params, sessionId: this.sessao}) + '\0');
    return new Promise((resolve, reject) => this.pendentes.set(id, {resolve, reject}));
  }

  // The value of a JS expression in the page (awaited when it is a promise).
  async avalia(expressao) {
    const r = await this.envia('Runtime.evaluate',
                               {expression: expressao, returnByValue: true, awaitPromise: true});
    if (r.exceptionDetails) throw new Error('in the page: ' + r.exceptionDetails.text);
    return r.result.value;
  }

  // Loads the page and waits for the game's first frame; returns its time, in ms from the
  // start of the page's loading.
  async abrePagina(url) {
    await this.envia('Page.navigate', {url});
    return esperaAte(() => this.avalia('window.corvelaPrimeiroQuadro || 0'), 60000, 'the first frame');
  }

  // The game's canvas as {w, h, px} with px RGB bytes; also written as arquivo (PNG) if given.
  async tela(arquivo) {
    const {px, png} = await this.avalia(`(() => {
      const c = document.getElementById('canvas');
      const d = c.getContext('2d').getImageData(0, 0, ${LARGURA}, ${ALTURA}).data;
      let s = '';
      for (let i = 0; i < d.length; i += 4) s += String.fromCharCode(d[i], d[i + 1], d[i + 2]);
      return {px: btoa(s), png: ${Boolean(arquivo)} ? c.toDataURL('image/png') : ''};
    })()`);
    if (arquivo) fs.writeFileSync(arquivo, Buffer.from(png.split(',')[1], 'base64'));
    return {w: LARGURA, h: ALTURA, px: Buffer.from(px, 'base64')};
  }

  // Reads the canvas until teste passes or the time is up; the last reading is kept as arquivo.
  async esperaTela(arquivo, teste, limiteMs) {
    for (const fim = Date.now() + limiteMs; ; await espera(150)) {
      const t = await this.tela(arquivo);
      if (teste(t) || Date.now() >= fim) return t;
    }
  }

  async esperaQuadros(n = QUADROS_POR_TECLA) {
    const quadros = () => this.avalia('Module.quadros || 0');
    const alvo = (await quadros()) + n;
    await esperaAte(async () => (await quadros()) >= alvo, 10000, 'frames');
  }

  // Without frames to come after it (the key that quits), the release is not waited on.
  async aperta(tecla, vezes = 1, haQuadrosDepois = true) {
    const esperaQuadros = () => this.esperaQuadros();
    const [key, code, windowsVirtualKeyCode] = TECLAS[tecla];
    const evento = (type) => this.envia('Input.dispatchKeyEvent', {
      type, key, code, windowsVirtualKeyCode, location: key === 'Control' ? 1 : 0});
    for (let i = 0; i < vezes; ++i) {
      await evento('rawKeyDown');
      await esperaQuadros();
      await evento('keyUp');
      if (haQuadrosDepois) await esperaQuadros();
    }
  }

  // A phone: a touch screen of largura x altura CSS pixels, no keyboard.
  async telefone(largura, altura) {
    await this.envia('Emulation.setDeviceMetricsOverride',
                     {width: largura, height: altura, deviceScaleFactor: 1, mobile: true});
    await this.envia('Emulation.setTouchEmulationEnabled', {enabled: true, maxTouchPoints: 5});
  }

  // Finger id goes down at (x, y) in CSS pixels, or moves there, with every finger still down
  // in the event, as a touch screen reports them; tira lifts it. Each waits out a few frames.
  async dedo(id, x, y) {
    const type = this.dedos.has(id) ? 'touchMove' : 'touchStart';
    this.dedos.set(id, {x, y, id});
    await this.envia('Input.dispatchTouchEvent', {type, touchPoints: [...this.dedos.values()]});
    await this.esperaQuadros();
  }

  // chromium's end lists the fingers lifted.
  async tira(id) {
    const dedo = this.dedos.get(id);
    this.dedos.delete(id);
    await this.envia('Input.dispatchTouchEvent', {type: 'touchEnd', touchPoints: [dedo]});
    await this.esperaQuadros();
  }

  async toca(x, y) {
    await this.dedo(0, x, y);
    await this.tira(0);
  }

  // The page as it shows, as a PNG file.
  async fotografa(arquivo) {
    const {data} = await this.envia('Page.captureScreenshot', {format: 'png'});
    fs.writeFileSync(arquivo, Buffer.from(data, 'base64'));
  }

  estadoSom() {
    return this.avalia('Module.estadoSom ? Module.estadoSom() : {tocando: false}');
  }

  // The browser and every helper process it started (its process group), then its profile.
  async fecha() {
    const saiu = new Promise((resolve) => this.processo.once('exit', resolve));
    process.kill(-this.processo.pid, 'SIGKILL');
    await saiu;
    fs.rmSync(this.perfil, {recursive: true, force: true, maxRetries: 10, retryDelay: 200});
  }
}

// Serves the site, drives a fresh browser through percorre(navegador, url, servidor), and exits
// with 0 when every check passed.
function roda(site, nome, saida, percorre) {
  (async () => {
    const servidor = await abreServidor(site), n = await Navegador.abre();
    try {
      await percorre(n, servidor.url, servidor);
    } finally {
      await n.fecha();
      servidor.fecha();
    }
    console.log((falhas.length ? falhas.length + ' check(s) failed' : nome + ' passed') +
                (saida ? '; frames in ' + saida : ''));
    process.exit(falhas.length ? 1 : 0);
  })().catch((e) => {
    console.error(nome + ' stopped: ' + (e.stack || e));
    process.exit(1);
  });
}

module.exports = {Navegador, abreServidor, confere, roda, espera, esperaAte, cor, perto, pontos, celula,
                  LARGURA, ALTURA};
