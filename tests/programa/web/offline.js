// offline: the page as an app kept on the device. The naming script gives a folder one byte
// apart a new cache name; on a network so slow that the rest of data/ comes after the intro's
// five seconds, the intro draws before it and the menu waits for it (or its loads fail on the
// console); the manifest parses with its fields and every icon it names decodes at its size;
// and once the service worker controls the page, the game starts again, intro then menu, with
// the network off and the server stopped.
// Usage: node offline.js <site folder>
'use strict';

const {execFileSync} = require('child_process');
const fs = require('fs');
const path = require('path');
const {confere, roda, esperaAte} = require('./navegador');

const web = path.resolve(__dirname, '..', '..', '..', 'web');

// The cache name and file list the build's script writes for a folder of one file.
function nomeia(conteudo) {
  const pasta = fs.mkdtempSync(path.join(require('os').tmpdir(), 'corvela-sw-'));
  fs.writeFileSync(path.join(pasta, 'corvela.data'), conteudo);
  execFileSync('cmake', [`-DSITE=${pasta}`, `-DMODELO=${web}/sw.js`, '-P', `${web}/versao-site.cmake`]);
  const sw = fs.readFileSync(path.join(pasta, 'sw.js'), 'utf8');
  fs.rmSync(pasta, {recursive: true});
  return sw.match(/CACHE = '(.*)'/)[1] + ' ' + sw.match(/ARQUIVOS = \[(.*)\]/)[1];
}

// The intro's blue in the canvas's corner.
const intro = async (n) => (await n.tela()).px.subarray(0, 3).join() === '10,10,200';
const rede = (n, offline, bytesPorSegundo = -1) => n.envia('Network.emulateNetworkConditions',
    {offline, latency: offline ? 0 : 20, downloadThroughput: bytesPorSegundo, uploadThroughput: -1});
const MANIFESTO = 'Corvela Corvela . . standalone any #0a0ac8 #2c3a68 | icone-192.png 192x192 any 192x192 | ' +
    'icone-512.png 512x512 any 512x512 | icone-mascaravel.png 512x512 maskable 512x512';

roda(process.argv[2], 'offline test', '', async (n, url, servidor) => {
  const a = nomeia('abc'), b = nomeia('abd');
  confere('a changed byte, a new cache name', a !== b && a === nomeia('abc') &&
          a.endsWith(`'./', './corvela.data'`), a + ' / ' + b);

  await n.envia('Network.enable');
  await rede(n, false, 4e5);
  const primeiro = await n.abrePagina(url);
  confere('at 400 kB/s, the intro draws before the rest of data/ is in',
          !(await n.avalia('Module.restoPronto')) && await intro(n), `first frame at ${primeiro.toFixed(0)} ms`);
  confere('a service worker takes the page once all is in', await esperaAte(
      () => n.avalia('!!navigator.serviceWorker.controller'), 30000, 'the worker').catch(() => false));
  await rede(n, false);
  const m = await n.avalia(`(async () => {
    const m = JSON.parse(await (await fetch('manifest.webmanifest')).text());
    const campos = ['name', 'short_name', 'start_url', 'scope', 'display', 'orientation',
                    'background_color', 'theme_color'].map((c) => m[c]);
    for (const i of m.icons) {
      const b = await createImageBitmap(await (await fetch(i.src)).blob());
      campos.push('|', i.src, i.sizes, i.purpose, b.width + 'x' + b.height);
    }
    return campos.join(' ');
  })()`);
  confere('the manifest: its fields, and each icon at its size', m === MANIFESTO, m);

  await rede(n, true);
  servidor.fecha();
  await n.abrePagina(url);
  confere('offline, the intro draws, then the menu', await intro(n) &&
          await esperaAte(async () => !(await intro(n)), 15000, 'the menu').catch(() => false));
  confere('the console stays free of errors', n.erros.length === 0, n.erros.slice(0, 5).join(' | '));
});
