// comparacao: how the browser test holds a screenshot of the page against the frame the
// native build draws. The native screen has 16-bit pixels, so a colour there may lie up to 7
// below (or, widened, above) the browser's exact 8-bit one: TOLERANCIA allows RGB565 rounding
// and nothing more. Frames are {w, h, px} as imagens.js reads them.
'use strict';

const {cor} = require('./imagens');

const TOLERANCIA = 8;
const LADO_CELULA = 60, BOARD_X = 80, CELULAS = 4;
// The five menu rows (x = 80, y = 70 + 30 i, Sans Bold at 18 points), with room for the
// line height that differs between the browser's font drawing and SDL_ttf's.
const faixasMenu = [0, 1, 2, 3, 4].map((i) => ({x: 74, y: 66 + 30 * i, w: 246, h: 30}));

function perto(c, alvo, tol = TOLERANCIA) {
  return Math.abs(c[0] - alvo[0]) <= tol && Math.abs(c[1] - alvo[1]) <= tol && Math.abs(c[2] - alvo[2]) <= tol;
}

function dentro(x, y, r) {
  return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
}

function* pontos(r, exclusoes = []) {
  for (let y = r.y; y < r.y + r.h; ++y)
    for (let x = r.x; x < r.x + r.w; ++x)
      if (!exclusoes.some((e) => dentro(x, y, e))) yield [x, y];
}

// Where the first few differences are, for the log.
function resumo(diferencas, total) {
  if (!total) return '';
  return `${total} pixel(s) differ, first at ` +
         diferencas.map(([x, y, a, b]) => `(${x},${y}) page ${a} native ${b}`).join('; ');
}

// Every pixel of r, less the exclusions, within RGB565 rounding of the native frame.
function regiaoIgual(web, ref, r, exclusoes = []) {
  const primeiras = [];
  let total = 0;
  for (const [x, y] of pontos(r, exclusoes)) {
    const a = cor(web, x, y), b = cor(ref, x, y);
    if (!perto(a, b)) {
      if (primeiras.length < 3) primeiras.push([x, y, a.join('/'), b.join('/')]);
      ++total;
    }
  }
  return {ok: total === 0, detalhe: resumo(primeiras, total)};
}

// Text in colour c: within r, a pixel is of the text on the page exactly where it is in the
// native frame, whatever lies around it.
function textoIgual(web, ref, r, c) {
  const primeiras = [];
  let total = 0, tinta = 0;
  for (const [x, y] of pontos(r)) {
    const a = perto(cor(web, x, y), c), b = perto(cor(ref, x, y), c);
    if (b) ++tinta;
    if (a !== b) {
      if (primeiras.length < 3) primeiras.push([x, y, a ? 'text' : 'not text', b ? 'text' : 'not text']);
      ++total;
    }
  }
  return {ok: total === 0 && tinta > 0,
          detalhe: tinta ? resumo(primeiras, total) : 'no text in the native frame'};
}

function conta(t, c, r = {x: 0, y: 0, w: t.w, h: t.h}, tol = TOLERANCIA) {
  let n = 0;
  for (const [x, y] of pontos(r)) if (perto(cor(t, x, y), c, tol)) ++n;
  return n;
}

function fracao(t, c, r = {x: 0, y: 0, w: t.w, h: t.h}) {
  return conta(t, c, r) / (r.w * r.h);
}

// Magenta (255, 0, 255, the colour key of the cursor and the message box) anywhere outside the
// exclusions means a colour key was not honoured.
function semMagenta(t, exclusoes, confere, onde) {
  let n = 0;
  for (const [x, y] of pontos({x: 0, y: 0, w: t.w, h: t.h}, exclusoes)) {
    const [r, g, b] = cor(t, x, y);
    if (r >= 200 && g <= 60 && b >= 200) ++n;
  }
  return confere(onde + ': no magenta', n === 0, n ? n + ' magenta pixel(s)' : '');
}

// Each menu row's ink: the pixels that differ clearly from the title picture under them.
function linhasMenu(t, titulo) {
  return faixasMenu.map((f) => {
    let x0 = Infinity, y0 = Infinity, x1 = -1, y1 = -1, magenta = 0;
    for (const [x, y] of pontos(f)) {
      const a = cor(t, x, y), b = cor(titulo, x, y);
      if (perto(a, b, 40)) continue;
      x0 = Math.min(x0, x); y0 = Math.min(y0, y); x1 = Math.max(x1, x); y1 = Math.max(y1, y);
      if (a[0] >= 200 && a[1] <= 80 && a[2] >= 200) ++magenta;
    }
    return x1 < 0 ? null : {x0, y0, x1, y1, magenta};
  });
}

function celula(i) {
  return {x: BOARD_X + (i % CELULAS) * LADO_CELULA, y: Math.floor(i / CELULAS) * LADO_CELULA,
          w: LADO_CELULA, h: LADO_CELULA};
}

// How many pixels of cell a of one frame match cell b of another (or a whole picture).
function iguaisNaCelula(web, a, outra, b) {
  const ca = celula(a), cb = b < 0 ? {x: 0, y: 0} : celula(b);
  let n = 0;
  for (let y = 0; y < LADO_CELULA; ++y)
    for (let x = 0; x < LADO_CELULA; ++x)
      if (perto(cor(web, ca.x + x, ca.y + y), cor(outra, cb.x + x, cb.y + y))) ++n;
  return n;
}

// The tiles carry their picture and their number, so the page's board, however shuffled,
// must show exactly the native board's tiles: each cell of the page matches some native
// cell. The two cursors (the page's and the native one) each spoil one cell.
function tabuleiroIgual(web, ref) {
  const ruins = [];
  for (let i = 0; i < CELULAS * CELULAS; ++i) {
    let melhor = 0;
    for (let j = 0; j < CELULAS * CELULAS && melhor < LADO_CELULA * LADO_CELULA; ++j)
      melhor = Math.max(melhor, iguaisNaCelula(web, i, ref, j));
    if (melhor < LADO_CELULA * LADO_CELULA) ruins.push(i);
  }
  return {ok: ruins.length <= 2,
          detalhe: ruins.length ? 'cells without a native twin: ' + ruins.join(' ') : ''};
}

// The cell (0 to 15, reading order) that shows the picture, the cursor over it allowed for.
function achaCelula(t, figura) {
  let melhor = -1, quanto = 0.5 * LADO_CELULA * LADO_CELULA;
  for (let i = 0; i < CELULAS * CELULAS; ++i) {
    const n = iguaisNaCelula(t, i, figura, -1);
    if (n > quanto) {
      quanto = n;
      melhor = i;
    }
  }
  return melhor;
}

module.exports = {faixasMenu, regiaoIgual, textoIgual, conta, fracao, semMagenta, linhasMenu,
                  tabuleiroIgual, achaCelula};
