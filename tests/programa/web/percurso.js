// percurso: the browser test. Serves the built site on 127.0.0.1, opens it in headless
// chromium and plays it with key events over the DevTools protocol, as a player would: the
// intro, the menu, a Normal game (a move, pause, help numbers), back to the menu, the credits
// and back, and Quit. At each step a screenshot of the game's canvas is held against the
// frame the native build draws at the same step (corvela-referencia): text in the bitmap font
// pixel for pixel, colours within RGB565 rounding, the menu's rows in their places, no
// magenta; the console must stay free of errors and the music must play.
// Usage: node percurso.js <site folder> <native build folder>
// Writes the screenshots, the reference frames and a log under <site folder>/../percurso/.
'use strict';

const {execFileSync} = require('child_process');
const fs = require('fs');
const path = require('path');
const nav = require('./navegador');
const img = require('./imagens');
const comp = require('./comparacao');
const {Sessao, LARGURA, ALTURA} = require('./sessao');

const inteira = {x: 0, y: 0, w: LARGURA, h: ALTURA};
const [site, buildNativo] = process.argv.slice(2);
if (!site || !buildNativo) {
  console.error('usage: node percurso.js <site folder> <native build folder>');
  process.exit(2);
}
const raiz = path.resolve(__dirname, '..', '..', '..');
const saida = path.resolve(site, '..', 'percurso');
fs.rmSync(saida, {recursive: true, force: true});
fs.mkdirSync(path.join(saida, 'referencia'), {recursive: true});

const falhas = [];
function confere(oQue, ok, detalhe = '') {
  console.log((ok ? 'ok   ' : 'FAIL ') + oQue + (detalhe ? ': ' + detalhe : ''));
  if (!ok) falhas.push(oQue);
  return ok;
}
// A comparison's result, {ok, detalhe}.
function confereR(oQue, r) {
  return confere(oQue, r.ok, r.detalhe);
}

async function principal() {
  execFileSync(path.join(buildNativo, 'tools', 'corvela-referencia'),
               [raiz, path.join(saida, 'referencia')], {stdio: ['ignore', 'ignore', 'inherit']});
  const ref = (nome) => img.lePpm(path.join(saida, 'referencia', nome + '.ppm'));
  const titulo = img.leBmp(path.join(raiz, 'data', 'gfx', 'title.bmp'));
  const buraco = img.leBmp(path.join(raiz, 'data', 'gfx', 'buraco.bmp'));

  const servidor = await nav.abreServidor(site);
  try {
    for (const [comoPessoa, passeio] of [[false, percorre], [true, somComoPessoa]]) {
      const navegador = await nav.abreNavegador(comoPessoa);
      try {
        await passeio(navegador.pagina, servidor.url, ref, titulo, buraco);
      } finally {
        await navegador.fecha();
      }
    }
  } finally {
    servidor.fecha();
  }
}

// A browser that starts sound only after a key press, as people's browsers do: the menu's
// music waits, quietly, for the first key, and then plays.
async function somComoPessoa(pagina, url, ref) {
  const sessao = await Sessao.abre(pagina, saida);
  await sessao.abrePagina(url);
  const refMenu = ref('menu');
  await sessao.esperaTela('menu-sem-tecla',
                          (s) => comp.regiaoIgual(s, refMenu, inteira, comp.faixasMenu).ok, 15000);
  await nav.espera(500);
  confere('no key yet: the menu music is held back', !(await sessao.estadoSom()).tocando);
  await sessao.aperta('baixo');
  await nav.espera(600);
  const som = await sessao.estadoSom();
  confere('the first key starts the held-back music', som.tocando && som.tempo > 0, JSON.stringify(som));
  confere('held-back sound is no error in the console', sessao.erros.length === 0, sessao.erros.join(' | '));
}

async function percorre(pagina, url, ref, titulo, buraco) {
  const sessao = await Sessao.abre(pagina, saida);
  const {esperaTela, aperta, estadoSom} = sessao.funcoes();
  async function musicaTocando(onde) {
    const a = await estadoSom();
    await nav.espera(600);
    const b = await estadoSom();
    confere(onde + ': the music plays', a.tocando && b.tocando && b.tempo > a.tempo,
            JSON.stringify(b));
    return b;
  }

  // Intro.
  const inicio = Date.now();
  const primeiroQuadro = await sessao.abrePagina(url);
  const refIntro = ref('apresentacao');
  const textoIntro = {x: 130, y: 160, w: 8 * 8, h: 23};
  let t = await esperaTela('apresentacao',
                           (s) => comp.textoIgual(s, refIntro, textoIntro, [255, 255, 255]).ok, 8000);
  const azul = comp.fracao(t, [10, 10, 200]);
  confere('intro: the blue background', azul > 0.8, azul.toFixed(3));
  confereR('intro: the lines "Orvalek" and "Presents" pixel for pixel',
           comp.textoIgual(t, refIntro, textoIntro, [255, 255, 255]));
  const logo = {x: 127, y: 80, w: 67, h: 80};
  confere('intro: the logo is drawn, its grey key colour left out',
          comp.fracao(t, [10, 10, 200], logo) < 0.9 && comp.conta(t, [102, 102, 102], logo, 0) === 0);
  confereR('intro: outside the logo as the native frame', comp.regiaoIgual(t, refIntro, inteira, [logo]));
  comp.semMagenta(t, [], confere, 'intro');

  // Menu.
  const refMenu = ref('menu');
  const ehMenu = (s) => comp.regiaoIgual(s, refMenu, inteira, comp.faixasMenu).ok;
  t = await esperaTela('menu', ehMenu, 8000);
  confereMenu(t, refMenu, titulo);
  confere('menu: its TrueType face is the page\'s own web font, loaded', await pagina.avalia(
      '[...document.fonts].some((f) => f.family.includes("Sans Bold.ttf") && f.status === "loaded")'));
  await musicaTocando('menu');

  // A Normal game ("Normal" is highlighted on entry): the panel and the board.
  await aperta('ctrl');
  const refJogo = ref('jogo');
  const tempoJogo = {x: 0, y: 205, w: 80, h: 20};  // the running time, which cannot match
  const painel = {x: 0, y: 0, w: 80, h: ALTURA};
  t = await esperaTela('jogo', (s) => comp.regiaoIgual(s, refJogo, painel, [tempoJogo]).ok, 5000);
  confereR('game: the panel and its text as the native frame',
           comp.regiaoIgual(t, refJogo, painel, [tempoJogo]));
  confereR('game: the board holds the same tiles as the native one', comp.tabuleiroIgual(t, refJogo));
  comp.semMagenta(t, [], confere, 'game');
  await musicaTocando('game');

  // A move: the cursor starts on the bottom-right cell and the right arrow walks the cells in
  // reading order; it goes to the tile left (or right) of the hole, found by its picture.
  const h = comp.achaCelula(t, buraco);
  confere('game: the hole is found on the board', h >= 0, String(h));
  const alvo = h % 4 > 0 ? h - 1 : h + 1;
  await aperta('direita', (alvo + 1) % 16);
  await aperta('ctrl');
  const refMovido = ref('jogo-movido');
  t = await esperaTela('movido', (s) => comp.regiaoIgual(s, refMovido, painel, [tempoJogo]).ok, 3000);
  confereR('game: a move counted ("Moves: 1")', comp.regiaoIgual(t, refMovido, painel, [tempoJogo]));
  const buracoAgora = comp.achaCelula(t, buraco);
  confere('game: the tile went into the hole', buracoAgora === alvo, String(buracoAgora));

  // Pause: "PAUSED" and nothing else.
  await aperta('enter');
  const refPausa = ref('pausa');
  t = await esperaTela('pausa', (s) => comp.regiaoIgual(s, refPausa, inteira).ok, 3000);
  confereR('pause: "PAUSED" alone, pixel for pixel', comp.regiaoIgual(t, refPausa, inteira));

  // Resume, then the help numbers over the tiles.
  await aperta('enter');
  await aperta('backspace');
  const refAjuda = ref('ajuda');
  t = await esperaTela('ajuda', (s) => comp.tabuleiroIgual(s, refAjuda).ok, 3000);
  confereR('help: each tile with its number as the native one', comp.tabuleiroIgual(t, refAjuda));
  comp.semMagenta(t, [], confere, 'help');

  // Back to the menu.
  await aperta('esc');
  t = await esperaTela('menu-de-volta', ehMenu, 5000);
  confereMenu(t, refMenu, titulo);

  // The credits: down twice from "Normal", then each page as the native frame.
  await aperta('baixo', 2);
  await aperta('ctrl');
  const volumes = [];
  for (let p = 0; p < 3; ++p) {
    const refPagina = ref('creditos-' + p);
    t = await esperaTela('creditos-' + p, (s) => comp.regiaoIgual(s, refPagina, inteira).ok,
                         p === 0 ? 5000 : 9000);
    confereR(`credits page ${p}: every line, yellow headings and white names, pixel for pixel`,
             comp.regiaoIgual(t, refPagina, inteira));
    if (p === 0) {
      confere('credits: yellow headings', comp.conta(t, [255, 255, 0], inteira, 0) > 100);
      await musicaTocando('credits');
    }
    volumes.push((await estadoSom()).volume);
  }
  await nav.espera(1500);
  volumes.push((await estadoSom()).volume);
  confere('credits: the music fades out on the last page',
          volumes[3] < volumes[2] && volumes[2] <= volumes[1] && volumes[3] < volumes[0],
          volumes.map((v) => v.toFixed(3)).join(' '));

  // And back to the menu with Escape.
  await aperta('esc');
  t = await esperaTela('menu-depois-dos-creditos', ehMenu, 5000);
  confereMenu(t, refMenu, titulo);

  // Quit, three rows below "Normal": the page says the game has ended and the sound stops.
  await aperta('baixo', 3);
  await aperta('ctrl', 1, false);
  const avisoFim = 'document.getElementById("estado").textContent';
  const fim = await nav.esperaAte(() => pagina.avalia(`${avisoFim}.includes("ended") && ${avisoFim}`),
                                  5000, 'the end of the game').catch(() => '');
  confere('quit: the page says the game has ended', Boolean(fim), fim);
  confere('quit: the music stops', !(await estadoSom()).tocando);

  confere('the console stays free of errors', sessao.erros.length === 0, sessao.erros.slice(0, 5).join(' | '));
  const tamanho = fs.readdirSync(site).reduce((s, f) => s + fs.statSync(path.join(site, f)).size, 0);
  console.log(`site folder: ${(tamanho / 1048576).toFixed(2)} MiB; first frame ` +
              `${primeiroQuadro.toFixed(0)} ms after the page began loading; ` +
              `the whole drive took ${((Date.now() - inicio) / 1000).toFixed(1)} s`);
}

// The menu: the title picture untouched outside the rows, each row's text where the native
// build puts it, "Normal" highlighted in magenta and the rest in grey.
function confereMenu(t, refMenu, titulo) {
  confereR('menu: the title picture as the native frame',
           comp.regiaoIgual(t, refMenu, inteira, comp.faixasMenu));
  const linhas = comp.linhasMenu(t, titulo), linhasRef = comp.linhasMenu(refMenu, titulo);
  for (let i = 0; i < 5; ++i) {
    const a = linhas[i], b = linhasRef[i];
    const ok = a && b && Math.abs(a.x0 - b.x0) <= 3 && Math.abs(a.y0 - b.y0) <= 4 &&
               Math.abs(a.x1 - b.x1) <= 12 && Math.abs(a.y1 - b.y1) <= 6;
    confere(`menu: row ${i} in its place`, ok, JSON.stringify({web: a, nativo: b}));
  }
  confere('menu: "Normal" highlighted in magenta',
          Boolean(linhas[1]) && linhas[1].magenta > 30 &&
          linhas.every((l, i) => i === 1 || !l || l.magenta === 0));
  comp.semMagenta(t, [comp.faixasMenu[1]], confere, 'menu');
}

principal().then(() => {
  if (falhas.length) {
    console.error(`${falhas.length} check(s) failed; screenshots in ${saida}`);
    process.exit(1);
  }
  console.log('browser test passed; screenshots in ' + saida);
  process.exit(0);
}, (e) => {
  console.error('browser test stopped: ' + (e.stack || e));
  process.exit(1);
});
