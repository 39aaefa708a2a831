// percurso: the browser test. Serves the built site on 127.0.0.1, opens it in headless chromium
// and plays it with key events, as a player would: the menu (its music held back until the
// first key), a Normal game with the help numbers, the credits and their music's fade, Quit.
// Three frames are held against the ones the native build draws (corvela-referencia): the
// menu, the game with numbers and the first credits page, colours within RGB565 rounding;
// the console must stay free of errors.
// Usage: node percurso.js <site folder> <native build folder>
// Writes the frames read and the native ones under <site folder>/../percurso/.
'use strict';

const {execFileSync} = require('child_process');
const fs = require('fs');
const path = require('path');
const {confere, roda, espera, esperaAte, cor, perto, pontos, celula, LARGURA, ALTURA} = require('./navegador');

const [site, buildNativo] = process.argv.slice(2);
if (!site || !buildNativo) throw new Error('usage: node percurso.js <site folder> <native build folder>');
const saida = path.resolve(site, '..', 'percurso');
fs.rmSync(saida, {recursive: true, force: true});
fs.mkdirSync(path.join(saida, 'referencia'), {recursive: true});

const MAGENTA = [255, 0, 255], CINZA = [50, 50, 50];
const inteira = {x: 0, y: 0, w: LARGURA, h: ALTURA};
// The menu's five rows (x = 80, y = 70 + 30 i), with room for the line height that differs
// between the browser's font drawing and SDL_ttf's.
const faixas = [0, 1, 2, 3, 4].map((i) => ({x: 74, y: 66 + 30 * i, w: 246, h: 30}));

function lePpm(arquivo) {
  const dados = fs.readFileSync(arquivo);
  const m = dados.toString('latin1', 0, 64).match(/^P6\s+(\d+)\s+(\d+)\s+255\s/);
  return {w: +m[1], h: +m[2], px: dados.subarray(m[0].length)};
}

// The pixels of r, less the exclusions, that differ from the native frame; '' for none.
function diferencas(web, ref, r, fora = []) {
  let n = 0, primeira = '';
  for (const [x, y] of pontos(r, fora))
    if (!perto(cor(web, x, y), cor(ref, x, y)) && !n++)
      primeira = `first at (${x},${y}), page ${cor(web, x, y)} native ${cor(ref, x, y)}`;
  return n ? `${n} pixel(s) differ, ${primeira}` : '';
}

// The box [x0, y0, x1, y1] of menu row i's pixels in colour c, or null.
function caixa(t, i, c) {
  const p = [...pontos(faixas[i])].filter(([x, y]) => perto(cor(t, x, y), c));
  const xs = p.map(([x]) => x);
  return p.length ? [Math.min(...xs), p[0][1], Math.max(...xs), p[p.length - 1][1]] : null;
}

// The tiles carry their picture and number, so each cell of the page's board, however
// shuffled, must match some cell of the native one; the two cursors spoil two cells.
function celulasSemPar(web, ref) {
  const iguais = (a, b) => {
    for (let y = 0; y < 60; ++y)
      for (let x = 0; x < 60; ++x)
        if (!perto(cor(web, a.x + x, a.y + y), cor(ref, b.x + x, b.y + y))) return false;
    return true;
  };
  const todas = [...Array(16).keys()];
  return todas.filter((i) => !todas.some((j) => iguais(celula(i), celula(j))));
}

async function percorre(n, url) {
  execFileSync(path.join(buildNativo, 'tools', 'corvela-referencia'),
               [path.resolve(__dirname, '..', '..', '..'), path.join(saida, 'referencia')],
               {stdio: ['ignore', 'ignore', 'inherit']});
  const ref = (nome) => lePpm(path.join(saida, 'referencia', nome + '.ppm'));
  // Reads the canvas until r, less fora, is as the native frame or limiteMs pass; checks it.
  async function chega(oQue, nome, refTela, r, fora, limiteMs) {
    const iguala = (s) => !diferencas(s, refTela, r, fora);
    const t = await n.esperaTela(path.join(saida, nome + '.png'), iguala, limiteMs);
    confere(oQue, iguala(t), diferencas(t, refTela, r, fora));
    return t;
  }
  const inicio = Date.now();
  const primeiroQuadro = await n.abrePagina(url);

  // The menu: the title picture as the native frame, each row's text where the native build
  // puts it, "Normal" in magenta and the rest in grey; the music waits for the first key.
  const refMenu = ref('menu');
  const t = await chega('menu: the title picture as the native frame', 'menu', refMenu, inteira, faixas, 15000);
  for (let i = 0; i < 5; ++i) {
    const [c, outra] = i === 1 ? [MAGENTA, CINZA] : [CINZA, MAGENTA];
    const a = caixa(t, i, c), b = caixa(refMenu, i, c);
    confere(`menu: row ${i} in its place and colour`, a && b && !caixa(t, i, outra) &&
            a.every((v, k) => Math.abs(v - b[k]) <= [3, 4, 12, 6][k]), JSON.stringify({web: a, nativo: b}));
  }
  confere('menu: its TrueType face is the page\'s own web font, loaded', await n.avalia(
      '[...document.fonts].some((f) => f.family.includes("Sans Bold.ttf") && f.status === "loaded")'));
  await espera(500);
  confere('menu: no key yet, the music is held back', !(await n.estadoSom()).tocando);
  await n.aperta('baixo');
  await n.aperta('cima');
  const som = await n.estadoSom();
  await espera(600);
  const depois = await n.estadoSom();
  confere('menu: the first key starts its music', depois.tempo > som.tempo, JSON.stringify(depois));

  // A Normal game with its numbers: the tiles and the panel (less the moves and the running
  // time, which cannot match) as the native frame, the cursor's key colour honoured.
  await n.aperta('ctrl');
  await n.aperta('backspace');
  const refAjuda = ref('ajuda');
  await n.esperaTela(null, (s) => celulasSemPar(s, refAjuda).length <= 2, 5000);
  const jogo = await chega('game: the panel as the native frame', 'jogo', refAjuda,
                           {x: 0, y: 0, w: 80, h: ALTURA}, [{x: 0, y: 175, w: 80, h: 50}], 0);
  const semPar = celulasSemPar(jogo, refAjuda);
  confere('game: each tile with its number as a native one', semPar.length <= 2, semPar.join(' '));
  const magenta = [...pontos(inteira)].filter(([x, y]) => perto(cor(jogo, x, y), MAGENTA)).length;
  confere('game: no magenta', magenta === 0, String(magenta));
  await n.aperta('esc');
  await chega('back to the menu', 'menu-de-volta', refMenu, inteira, faixas, 5000);

  // The credits, down twice from "Normal": the first page as the native frame, then their
  // music fading out on the last.
  await n.aperta('baixo', 2);
  await n.aperta('ctrl');
  await chega('credits: the first page as the native frame', 'creditos', ref('creditos-0'), inteira, [], 5000);
  const {tocando, volume} = await n.estadoSom();
  confere('credits: their music plays, then fades out on the last page', tocando && await esperaAte(
      async () => (await n.estadoSom()).volume < volume, 20000, 'the fade').catch(() => false));
  await n.aperta('esc');
  await chega('back from the credits', 'menu-depois', refMenu, inteira, faixas, 5000);

  // Quit, three rows below "Normal": the page says the game has ended and the sound stops.
  await n.aperta('baixo', 3);
  await n.aperta('ctrl', 1, false);
  confere('quit: the page says the game has ended', await esperaAte(() => n.avalia(
      'document.getElementById("estado").textContent.includes("ended")'), 5000, 'the end').catch(() => false));
  confere('quit: the music stops', !(await n.estadoSom()).tocando);
  confere('the console stays free of errors', n.erros.length === 0, n.erros.slice(0, 5).join(' | '));
  console.log(`first frame ${primeiroQuadro.toFixed(0)} ms after the page began loading; ` +
              `the drive took ${((Date.now() - inicio) / 1000).toFixed(1)} s`);
}

roda(site, 'browser test', saida, percorre);
