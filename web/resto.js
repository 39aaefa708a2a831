// The rest of data/, all but the intro's files (corvela-resto.js and .data), fetched once the game
// runs, so that it takes no bandwidth from what the first screen needs. The game holds its first
// change of screen until Module.restoPronto; meanwhile the page shows the download's progress.
Module.postRun = (Module.postRun || []).concat(function() {
  var carregador = document.createElement('script');
  carregador.src = 'corvela-resto.js';
  document.body.appendChild(carregador);
});
// Its loader adds one dependency as it starts and one per file; the last one met is the end.
Module.monitorRunDependencies = function(faltam) {
  if (faltam > 0 || Module.restoPronto || !(Module.preloadResults || {})['corvela-resto.data'])
    return;
  Module.restoPronto = true;
  if (Module.setStatus) Module.setStatus('');
  if (Module.dadosCompletos) Module.dadosCompletos();
};
