// telefone: the page on a phone, without a single key. Upright (390x844, touch): the menu, Easy
// by a tap on its row, a tile slid by a tap, the numbers, pause and back through the on-screen
// controls, the credits in and out by taps, a faked gamepad moving the highlight, then one
// thumb holding a direction while the other taps the action. Turned (844x390): the controls
// beside the game, all on screen. Each step is checked on the canvas' pixels; the page's look
// is kept as telefone-retrato.png and telefone-paisagem.png.
// Usage: node telefone.js <site folder>; writes under <site folder>/../telefone/.
'use strict';

const fs = require('fs');
const path = require('path');
const {Navegador, abreServidor, LARGURA, ALTURA} = require('./navegador');

const site = process.argv[2];
if (!site) throw new Error('usage: node telefone.js <site folder>');
const saida = path.resolve(site, '..', 'telefone');
fs.rmSync(saida, {recursive: true, force: true});
fs.mkdirSync(saida, {recursive: true});

const falhas = [];
function confere(oQue, ok, detalhe = '') {
  console.log((ok ? 'ok   ' : 'FAIL ') + oQue + (detalhe ? ': ' + detalhe : ''));
  if (!ok) falhas.push(oQue);
}

// Pixels of rectangle [x, y, w, h] of frame t that pass teste(r, g, b).
function conta(t, [x0, y0, w, h], teste) {
  let n = 0;
  for (let y = y0; y < y0 + h; ++y)
    for (let x = x0; x < x0 + w; ++x) {
      const i = (y * LARGURA + x) * 3;
      if (teste(t.px[i], t.px[i + 1], t.px[i + 2])) ++n;
    }
  return n;
}
const de = (c) => (r, g, b) => [r, g, b].every((v, k) => Math.abs(v - c[k]) <= 8);
const TABULEIRO = [80, 0, 240, 240];
// The menu with row i highlighted (magenta) and Quit in grey; the game (green "Wins:" on the
// panel, a picture on the board); its pause (the board black); the credits (yellow heading).
const menu = (i) => (t) => conta(t, [80, 70 + 30 * i, 170, 30], de([255, 0, 255])) > 50 &&
                          conta(t, [80, 190, 170, 30], de([50, 50, 50])) > 50;
const jogo = (t) => conta(t, [0, 0, 80, 20], de([0, 255, 0])) > 10 &&
                    conta(t, TABULEIRO, de([0, 0, 0])) < 240 * 120;
const pausa = (t) => conta(t, [0, 0, 80, 40], de([0, 255, 0])) > 10 &&
                     conta(t, TABULEIRO, de([0, 0, 0])) === 240 * 240;
const creditos = (t) => conta(t, [50, 10, 200, 13], de([255, 255, 0])) > 50;
const brancos = (t) => conta(t, TABULEIRO, de([255, 255, 255]));
// The board's darkest cell holds the hole.
function buraco(t) {
  const luz = [...Array(16).keys()].map((c) => {
    let soma = 0;
    conta(t, [80 + (c % 4) * 60, Math.floor(c / 4) * 60, 60, 60], (r, g, b) => { soma += r + g + b; });
    return soma;
  });
  return luz.indexOf(Math.min(...luz));
}

async function percorre(n, url) {
  const caixa = (seletor) => n.avalia(`(() => { const r = document.querySelector('${seletor}')
      .getBoundingClientRect(); return {x: r.x, y: r.y, w: r.width, h: r.height}; })()`);
  // A tap on the game's screen point (x, y), wherever the canvas is and however large.
  const tocaTela = async (x, y) => {
    const c = await caixa('canvas');
    await n.toca(c.x + (x + 0.5) * c.w / LARGURA, c.y + (y + 0.5) * c.h / ALTURA);
  };
  const centro = async (tecla) => {
    const c = await caixa(`[data-tecla=${tecla}]`);
    return [c.x + c.w / 2, c.y + c.h / 2];
  };
  const tocaControle = async (tecla) => n.toca(...await centro(tecla));
  const chega = async (oQue, teste, limiteMs = 5000) => {
    const t = await n.esperaTela(path.join(saida, oQue.replace(/\W+/g, '-') + '.png'), teste, limiteMs);
    confere(oQue, teste(t));
    return t;
  };
  // Every control named, at least 44 CSS pixels a side, on screen and off the canvas.
  const controlesNaTela = async (largura, altura) => {
    const tela = await caixa('canvas');
    const controles = await n.avalia(`[...document.querySelectorAll('[data-tecla]')].map((e) => {
        const r = e.getBoundingClientRect();
        return {tecla: e.dataset.tecla, rotulo: e.getAttribute('aria-label'), x: r.x, y: r.y, w: r.width, h: r.height};
      })`);
    const dentro = (r) => r.x >= 0 && r.y >= 0 && r.x + r.w <= largura && r.y + r.h <= altura;
    const cruza = (a, b) => a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
    const ruins = controles.filter((c) => !c.rotulo || c.w < 44 || c.h < 44 || !dentro(c) || cruza(c, tela));
    confere(`${largura}x${altura}: the eight controls named, 44 px or more, on screen, off the game`,
            controles.map((c) => c.tecla).sort().join() === 'a,b,down,left,numbers,pause,right,up' &&
            !ruins.length && dentro(tela), JSON.stringify(ruins.length ? ruins : tela));
    return {tela, controles};
  };

  await n.telefone(390, 844);
  await n.abrePagina(url);
  const retrato = await controlesNaTela(390, 844);
  confere('upright: the game fills the width above the controls', retrato.tela.w >= 360 &&
          retrato.controles.every((c) => c.y >= retrato.tela.y + retrato.tela.h), JSON.stringify(retrato.tela));
  confere('the help line speaks of taps', /Tap/.test(await n.avalia('estado.textContent')));
  await chega('menu', menu(1), 15000);
  await n.fotografa(path.join(saida, 'telefone-retrato.png'));

  await tocaTela(160, 85);
  const inicio = await chega('a tap on Easy starts a game', jogo);
  const vazia = buraco(inicio), vizinha = vazia % 4 === 0 ? vazia + 1 : vazia - 1;
  await tocaTela(80 + (vizinha % 4) * 60 + 30, Math.floor(vizinha / 4) * 60 + 30);
  await chega(`a tap slides the tile beside the hole (cell ${vizinha})`, (t) => buraco(t) === vizinha);
  const semNumeros = brancos(await n.tela());
  await tocaControle('numbers');
  await chega('the numbers control writes them on the tiles', (t) => brancos(t) > semNumeros + 100);
  await tocaControle('pause');
  await chega('the pause control pauses', pausa);
  await tocaControle('pause');
  await chega('and resumes', jogo);
  await tocaControle('b');
  await chega('the back control returns to the menu', menu(1));
  await tocaTela(160, 175);
  await chega('a tap on Credits shows them', creditos);
  await tocaTela(160, 120);
  await chega('a tap leaves them', menu(1));

  // A pad as the browser shows one: D-pad down as button 13, the left stick as axis 1.
  await n.avalia(`(() => {
    const pad = {id: 'pad', index: 0, connected: true, mapping: 'standard', timestamp: 1,
                 axes: [0, 0, 0, 0], buttons: [...Array(17)].map(() => ({pressed: false, value: 0}))};
    window.mudaPad = (botao, eixo) => {
      pad.buttons[13] = {pressed: botao, value: +botao};
      pad.axes[1] = eixo;
      ++pad.timestamp;
    };
    Object.defineProperty(navigator, 'getGamepads', {value: () => [pad, null, null, null]});
    window.dispatchEvent(new Event('gamepadconnected'));
  })()`);
  await n.esperaQuadros(20);
  for (const [botao, eixo] of [[true, 0], [false, 0], [false, 1], [false, 0]]) {
    await n.avalia(`mudaPad(${botao}, ${eixo})`);
    await n.esperaQuadros();
  }
  await chega('a gamepad\'s D-pad and stick move the highlight down twice', menu(3));

  // One thumb holds up (to Impossible) while the other taps the action.
  await n.dedo(1, ...await centro('up'));
  await n.dedo(2, ...await centro('a'));
  confere('two controls held at once', await n.avalia(
      'document.querySelectorAll(".apertado").length') === 2);
  await n.tira(2);
  await chega('the action tapped while up is held starts Impossible', jogo);
  await n.tira(1);

  await n.telefone(844, 390);
  await n.esperaQuadros();
  const paisagem = await controlesNaTela(844, 390);
  const lado = (t) => paisagem.controles.find((c) => c.tecla === t);
  confere('turned: the D-pad left of the game, the buttons right', lado('left').x + lado('left').w <=
          paisagem.tela.x && lado('a').x >= paisagem.tela.x + paisagem.tela.w, JSON.stringify(paisagem.tela));
  await n.fotografa(path.join(saida, 'telefone-paisagem.png'));
  confere('the console stays free of errors', n.erros.length === 0, n.erros.slice(0, 5).join(' | '));
}

(async () => {
  const servidor = await abreServidor(site), n = await Navegador.abre();
  try {
    await percorre(n, servidor.url);
  } finally {
    await n.fecha();
    servidor.fecha();
  }
  console.log(`${falhas.length ? falhas.length + ' check(s) failed' : 'phone test passed'}; frames in ${saida}`);
  process.exit(falhas.length ? 1 : 0);
})().catch((e) => {
  console.error('phone test stopped: ' + (e.stack || e));
  process.exit(1);
});
