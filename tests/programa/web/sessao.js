// sessao: one page of the game under the browser test's hands: what the console reports as
// an error, screenshots of the game's canvas at its own 320x240, keys pressed as a player
// presses them, and what the music is doing. Depends on navegador.js and imagens.js.
'use strict';

const path = require('path');
const nav = require('./navegador');
const img = require('./imagens');

const LARGURA = 320, ALTURA = 240;
const TECLAS = {
  cima: {key: 'ArrowUp', code: 'ArrowUp', windowsVirtualKeyCode: 38},
  baixo: {key: 'ArrowDown', code: 'ArrowDown', windowsVirtualKeyCode: 40},
  direita: {key: 'ArrowRight', code: 'ArrowRight', windowsVirtualKeyCode: 39},
  ctrl: {key: 'Control', code: 'ControlLeft', windowsVirtualKeyCode: 17, location: 1},
  esc: {key: 'Escape', code: 'Escape', windowsVirtualKeyCode: 27},
  backspace: {key: 'Backspace', code: 'Backspace', windowsVirtualKeyCode: 8},
  enter: {key: 'Enter', code: 'Enter', windowsVirtualKeyCode: 13},
};
// A key is held for this many of the game's frames and then left up as long, so the game
// sees it go down in one frame and up in a later one, however slow the machine.
const QUADROS_POR_TECLA = 2;

class Sessao {
  // Listens to the page from now on; screenshots go to `saida` when given a name.
  static async abre(pagina, saida) {
    const s = new Sessao(pagina, saida);
    await pagina.envia('Runtime.enable');
    await pagina.envia('Log.enable');
    await pagina.envia('Page.enable');
    return s;
  }

  constructor(pagina, saida) {
    this.pagina = pagina;
    this.saida = saida;
    this.erros = [];
    pagina.ouve((metodo, p) => {
      if (metodo === 'Runtime.consoleAPICalled' && (p.type === 'error' || p.type === 'assert'))
        this.erros.push('console.' + p.type + ': ' + p.args.map((a) => a.value ?? a.description).join(' '));
      else if (metodo === 'Runtime.exceptionThrown')
        this.erros.push('exception: ' + (p.exceptionDetails.exception?.description ?? p.exceptionDetails.text));
      else if (metodo === 'Log.entryAdded' && p.entry.level === 'error')
        this.erros.push('log: ' + p.entry.text + ' ' + (p.entry.url || ''));
    });
  }

  // Loads the page and waits for the game's first frame; returns when that came, in ms from
  // the start of the page's loading.
  async abrePagina(url) {
    await this.pagina.envia('Page.navigate', {url});
    await nav.esperaAte(() => this.pagina.avalia('window.corvelaPrimeiroQuadro || 0'), 60000,
                        'the first frame');
    return this.pagina.avalia('window.corvelaPrimeiroQuadro');
  }

  // The operations bound, for destructuring.
  funcoes() {
    return {tela: (n) => this.tela(n), esperaTela: (n, t, l) => this.esperaTela(n, t, l),
            aperta: (t, v, d) => this.aperta(t, v, d), estadoSom: () => this.estadoSom()};
  }

  // The canvas as the screen shows it (scaled up by whole steps, pixelated), back at 320x240.
  async tela(nome) {
    const c = JSON.parse(await this.pagina.avalia(
        'JSON.stringify(document.getElementById("canvas").getBoundingClientRect())'));
    const foto = await this.pagina.envia('Page.captureScreenshot', {format: 'png',
      clip: {x: c.x, y: c.y, width: c.width, height: c.height, scale: 1}});
    const grande = img.lePng(Buffer.from(foto.data, 'base64'));
    const escala = grande.w / LARGURA;
    const t = {w: LARGURA, h: ALTURA, px: Buffer.alloc(LARGURA * ALTURA * 3)};
    for (let y = 0; y < ALTURA; ++y)
      for (let x = 0; x < LARGURA; ++x) {
        const o = (Math.floor((y + 0.5) * escala) * grande.w + Math.floor((x + 0.5) * escala)) * 3;
        grande.px.copy(t.px, (y * LARGURA + x) * 3, o, o + 3);
      }
    if (nome) {
      const arquivo = String(++Sessao.contaTelas).padStart(2, '0') + '-' + nome + '.png';
      img.gravaPng(path.join(this.saida, arquivo), t);
    }
    return t;
  }

  // Screenshots until one passes the test, or the time is up; the last one is kept.
  async esperaTela(nome, teste, limiteMs) {
    const fim = Date.now() + limiteMs;
    do {
      if (teste(await this.tela())) break;
      await nav.espera(150);
    } while (Date.now() < fim);
    return this.tela(nome);
  }

  async esperaQuadros(n) {
    const quadros = () => this.pagina.avalia('Module.quadros || 0');
    const alvo = (await quadros()) + n;
    await nav.esperaAte(async () => (await quadros()) >= alvo, 10000, n + ' frames');
  }

  // Without frames to come after it (the key that quits), the release is not waited on.
  async aperta(tecla, vezes = 1, haQuadrosDepois = true) {
    for (let i = 0; i < vezes; ++i) {
      await this.pagina.envia('Input.dispatchKeyEvent', {type: 'rawKeyDown', ...TECLAS[tecla]});
      await this.esperaQuadros(QUADROS_POR_TECLA);
      await this.pagina.envia('Input.dispatchKeyEvent', {type: 'keyUp', ...TECLAS[tecla]});
      if (haQuadrosDepois) await this.esperaQuadros(QUADROS_POR_TECLA);
    }
  }

  estadoSom() {
    return this.pagina.avalia('Module.estadoSom ? Module.estadoSom() : {tocando: false}');
  }
}

// Screenshots are numbered in the order taken, across sessions.
Sessao.contaTelas = 0;

module.exports = {Sessao, LARGURA, ALTURA};
