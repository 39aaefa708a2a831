// controles: the page's on-screen controls and the game's size. Each control is a key of the
// game's: it goes down with the first finger (or mouse button) on it and up when the last one
// lifts, is cancelled or slides off, so a direction can be held with one thumb while the other
// taps the action. The keys reach the game through corvela_tecla, exactly as the keyboard's.
// The controls show where the pointer is a finger; on a desktop a button shows them.
'use strict';

(function() {
  // SDL 1.2 key numbers: the arrows, left Ctrl, Escape, Backspace and Return.
  var TECLAS = {up: 273, down: 274, right: 275, left: 276, a: 306, b: 27, numbers: 8, pause: 13};
  var AJUDA_TOQUE = 'Tap a row or a tile. The arrows move, A acts, B goes back, ' +
                    '123 shows the numbers, PAUSE pauses.';
  var AJUDA_TECLADO = 'Arrows move, Ctrl or Alt act, Escape goes back, Backspace shows ' +
                      'numbers, Return pauses; the mouse clicks rows and tiles.';
  var corpo = document.body;
  var tela = document.getElementById('canvas');
  var estado = document.getElementById('estado');
  var mostra = document.getElementById('mostraControles');
  var dedo = window.matchMedia('(pointer: coarse)');
  var paisagem = window.matchMedia('(orientation: landscape)');

  function tecla(nome, desce) {
    if (window.Module && Module._corvela_tecla) Module._corvela_tecla(TECLAS[nome], desce ? 1 : 0);
  }

  document.querySelectorAll('[data-tecla]').forEach(function(controle) {
    var ponteiros = {};  // the ids of the fingers on it
    function muda(e, desce) {
      e.preventDefault();
      var antes = Object.keys(ponteiros).length > 0;
      if (desce) ponteiros[e.pointerId] = true;
      else delete ponteiros[e.pointerId];
      var agora = Object.keys(ponteiros).length > 0;
      if (agora === antes) return;
      controle.classList.toggle('apertado', agora);
      tecla(controle.dataset.tecla, agora);
    }
    controle.addEventListener('pointerdown', function(e) {
      // A finger is held by the control it landed on; let go, it can leave it (and release).
      if (controle.hasPointerCapture(e.pointerId)) controle.releasePointerCapture(e.pointerId);
      muda(e, true);
    });
    // A thumb sliding onto a control from another presses it, as on a pad's D-pad.
    controle.addEventListener('pointerenter', function(e) {
      if (e.pointerType !== 'mouse' && e.buttons) muda(e, true);
    });
    ['pointerup', 'pointercancel', 'pointerleave'].forEach(function(tipo) {
      controle.addEventListener(tipo, function(e) { muda(e, false); });
    });
  });

  // The largest whole scale that fits, every game pixel a square of screen pixels; where not
  // even twice fits (a phone held upright), as large as fits, smoothed.
  function ajusta() {
    var controles = corpo.classList.contains('toque');
    var cruz = document.getElementById('cruz').getBoundingClientRect();
    var botoes = document.getElementById('botoes').getBoundingClientRect();
    var largura = window.innerWidth - 16, altura = window.innerHeight - 60;
    if (controles && paisagem.matches) largura -= cruz.width + botoes.width + 48;
    else if (controles) altura -= Math.max(cruz.height, botoes.height) + 12;
    var escala = Math.min(largura / 320, altura / 240);
    var suave = escala < 2;
    if (!suave) escala = Math.floor(escala);
    tela.classList.toggle('suave', suave);
    // Through the page's style: SDL drops the canvas' own size when it sets its video mode.
    corpo.style.setProperty('--largura', Math.floor(320 * escala) + 'px');
    corpo.style.setProperty('--altura', Math.floor(240 * escala) + 'px');
  }

  function mostraControles(sim) {
    corpo.classList.toggle('toque', sim);
    mostra.textContent = sim ? 'Hide touch controls' : 'Show touch controls';
    var ajudaNaTela = !estado.textContent || estado.textContent === window.AJUDA;
    window.AJUDA = dedo.matches ? AJUDA_TOQUE : AJUDA_TECLADO;
    if (ajudaNaTela && estado.textContent) estado.textContent = window.AJUDA;
    ajusta();
  }

  mostra.hidden = dedo.matches;
  mostra.addEventListener('click', function() {
    mostraControles(!corpo.classList.contains('toque'));
    tela.focus();
  });
  dedo.addEventListener('change', function() {
    mostra.hidden = dedo.matches;
    mostraControles(dedo.matches);
  });
  window.addEventListener('resize', ajusta);
  // A phone turned: the layout's media query changes before the window's size may.
  paisagem.addEventListener('change', ajusta);
  // A long press shows no menu over the game or its controls.
  document.getElementById('jogo').addEventListener('contextmenu', function(e) { e.preventDefault(); });
  mostraControles(dedo.matches);
})();
