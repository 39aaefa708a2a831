// Corvela's service worker: keeps every file of the site, so the game once loaded starts again
// with no network. The build fills in the cache's name, which changes with any byte of the
// site, and the list of its files; a new build's worker takes over at once and drops the
// older caches.
'use strict';

const CACHE = 'corvela-@VERSAO@';
const ARQUIVOS = [@ARQUIVOS@];

self.addEventListener('install', (e) => {
  // Revalidated with the server, so nothing the browser's HTTP cache kept from an older build
  // goes into the new cache.
  e.waitUntil(caches.open(CACHE)
    .then((c) => c.addAll(ARQUIVOS.map((a) => new Request(a, {cache: 'no-cache'}))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (e) => {
  e.waitUntil(caches.keys()
    .then((nomes) => Promise.all(nomes.filter((n) => n.startsWith('corvela-') && n !== CACHE)
                                      .map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

// Cache first; what it does not hold comes from the network.
self.addEventListener('fetch', (e) => {
  if (e.request.method !== 'GET') return;
  e.respondWith(caches.open(CACHE)
    .then((c) => c.match(e.request, {ignoreSearch: true}))
    .then((r) => r || fetch(e.request)));
});
