// telefone: the page on a phone, without a single key. Upright (390x844, touch): the menu, Easy
// by a tap on its row, a tile slid by a tap, the numbers, pause and back through the on-screen
// controls, the credits in and out by taps, a faked gamepad moving the highlight, then one
// thumb holding a direction while the other taps the action. Turned (844x390): the controls
// beside the game. Each step is checked on the canvas' pixels; the page's look is kept as
// telefone-retrato.png and telefone-paisagem.png.
// Usage: node telefone.js <site folder>; writes under <site folder>/../telefone/.
'use strict';

const fs = require('fs');
const path = require('path');
const {confere, roda, esperaAte, cor, perto, pontos, celula, LARGURA, ALTURA} = require('./navegador');

const site = process.argv[2];
const saida = path.resolve(site, '..', 'telefone');
fs.rmSync(saida, {recursive: true, force: true});
fs.mkdirSync(saida, {recursive: true});

const conta = (t, x, y, w, h, c) => [...pontos({x, y, w, h})].filter(([i, j]) => perto(cor(t, i, j), c)).length;
// The menu with row i in magenta; the game (green "Wins:", a picture on the board); its pause
// (only "PAUSED", the board black); the credits (their yellow heading).
const menu = (i) => (t) => conta(t, 80, 70 + 30 * i, 170, 30, [255, 0, 255]) > 50;
const jogo = (t) => conta(t, 0, 0, 80, 20, [0, 255, 0]) > 10 && conta(t, 80, 0, 240, 240, [0, 0, 0]) < 9000;
const pausa = (t) => conta(t, 0, 0, 80, 40, [0, 255, 0]) > 10 && conta(t, 80, 0, 240, 240, [0, 0, 0]) === 57600;
const creditos = (t) => conta(t, 50, 10, 200, 13, [255, 255, 0]) > 50;
// The darkest cell holds the hole.
function buraco(t) {
  const luz = [...Array(16).keys()].map((c) =>
    [...pontos(celula(c))].reduce((s, [x, y]) => s + cor(t, x, y).reduce((a, b) => a + b), 0));
  return luz.indexOf(Math.min(...luz));
}

roda(site, 'phone test', saida, async (n, url) => {
  const caixas = () => n.avalia(`[canvas, ...document.querySelectorAll('[data-tecla]')].map((e) => {
      const {x, y, width: w, height: h} = e.getBoundingClientRect();
      return {tecla: e.dataset.tecla, rotulo: e.getAttribute('aria-label'), x, y, w, h}; })`);
  const centro = async (tecla) => {
    const c = (await caixas()).find((e) => e.tecla === tecla);
    return [c.x + c.w / 2, c.y + c.h / 2];
  };
  // A tap on the game's screen point (x, y), wherever the canvas is and however large.
  const tocaTela = async (x, y) => {
    const [c] = await caixas();
    await n.toca(c.x + (x + 0.5) * c.w / LARGURA, c.y + (y + 0.5) * c.h / ALTURA);
  };
  const chega = async (oQue, teste) => {
    const t = await n.esperaTela(path.join(saida, oQue.replace(/\W+/g, '-') + '.png'), teste, 15000);
    confere(oQue, teste(t));
    return t;
  };
  // Every control named, 44 CSS pixels or more a side, on screen and off the game; the game on
  // screen too. Returns the canvas' box, then the controls' by name.
  const dispoe = async (largura, altura) => {
    const [tela, ...controles] = await caixas();
    const ruins = [tela, ...controles].filter((c) => c.x < 0 || c.y < 0 || c.x + c.w > largura ||
        c.y + c.h > altura || (c.tecla && (!c.rotulo || c.w < 44 || c.h < 44 || (c.x < tela.x + tela.w &&
        tela.x < c.x + c.w && c.y < tela.y + tela.h && tela.y < c.y + c.h))));
    confere(`${largura}x${altura}: the eight controls named, large enough, on screen, off the game`,
            controles.map((c) => c.tecla).sort().join() === 'a,b,down,left,numbers,pause,right,up' &&
            !ruins.length, JSON.stringify(ruins));
    return [tela, Object.fromEntries(controles.map((c) => [c.tecla, c]))];
  };

  await n.telefone(390, 844);
  await n.abrePagina(url);
  const [retrato, abaixo] = await dispoe(390, 844);
  confere('upright: the game as wide as the screen, the controls beneath', retrato.w > 360 &&
          Object.values(abaixo).every((c) => c.y > retrato.y + retrato.h), JSON.stringify(retrato));
  // Once the rest of data/ is in: until then the line counts the download.
  confere('the help line speaks of taps', await esperaAte(() => n.avalia('/Tap/.test(estado.textContent)'),
                                                          15000, 'the help line').catch(() => false));
  await chega('menu', menu(1));
  await n.fotografa(path.join(saida, 'telefone-retrato.png'));
  await tocaTela(160, 85);
  const inicio = await chega('a tap on Easy starts a game', jogo);
  const vizinha = buraco(inicio) % 4 ? buraco(inicio) - 1 : buraco(inicio) + 1;
  await tocaTela(celula(vizinha).x + 30, celula(vizinha).y + 30);
  await chega(`a tap slides the tile beside the hole (cell ${vizinha})`, (t) => buraco(t) === vizinha);
  const brancos = (t) => conta(t, 80, 0, 240, 240, [255, 255, 255]);
  const semNumeros = brancos(await n.tela());
  for (const [tecla, oQue, teste] of [
    ['numbers', 'the numbers control writes them', (t) => brancos(t) > semNumeros + 100],
    ['pause', 'the pause control pauses', pausa], ['pause', 'and resumes', jogo],
    ['b', 'the back control returns to the menu', menu(1)]]) {
    await n.toca(...await centro(tecla));
    await chega(oQue, teste);
  }
  await tocaTela(160, 175);
  await chega('a tap on Credits shows them', creditos);
  await tocaTela(160, 120);
  await chega('a tap leaves them', menu(1));

  // A pad as the browser shows one, seen only once the page looks for it: D-pad down as button
  // 13, then the left stick down on axis 1.
  await n.avalia(`(() => {
    const pad = {id: 'pad', index: 0, connected: true, mapping: 'standard', timestamp: 1,
                 axes: [0, 0, 0, 0], buttons: [...Array(17)].map(() => ({pressed: false, value: 0}))};
    window.mudaPad = (botao, eixo) => {
      Object.assign(pad.buttons[13], {pressed: botao, value: +botao});
      pad.axes[1] = eixo;
      ++pad.timestamp;
    };
    Object.defineProperty(navigator, 'getGamepads', {value: () => [pad, null, null, null]});
    window.dispatchEvent(new Event('gamepadconnected'));
  })()`);
  await n.esperaQuadros(20);
  for (const estado of ['true, 0', 'false, 0', 'false, 1', 'false, 0']) {
    await n.avalia(`mudaPad(${estado})`);
    await n.esperaQuadros();
  }
  await chega('a gamepad\'s D-pad and stick move the highlight down twice', menu(3));

  // One thumb holds up (to Impossible) while the other taps the action.
  await n.dedo(1, ...await centro('up'));
  await n.dedo(2, ...await centro('a'));
  confere('two controls held at once', await n.avalia('document.querySelectorAll(".apertado").length') === 2);
  await n.tira(2);
  await chega('the action tapped while up is held starts a game', jogo);
  await n.tira(1);

  await n.telefone(844, 390);
  await n.esperaQuadros();
  const [paisagem, lado] = await dispoe(844, 390);
  confere('turned: the D-pad left of the game, the buttons right', lado.left.x + lado.left.w < paisagem.x &&
          lado.a.x > paisagem.x + paisagem.w, JSON.stringify(paisagem));
  await n.fotografa(path.join(saida, 'telefone-paisagem.png'));
  confere('the console stays free of errors', n.erros.length === 0, n.erros.slice(0, 5).join(' | '));
});
