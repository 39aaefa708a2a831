// Corvela's additions to the browser's SDL_mixer (an emscripten --js-library): a chunk's own
// volume, positional sound on a channel, a music fade-out that fades instead of stopping at
// once, and Module.estadoSom() for the page and its tests. Depends on emscripten's
// library_sdl.js, whose Mix_PlayChannel is kept and wrapped.

var tocaCanalDoSdl = LibraryManager.library.Mix_PlayChannel;
var tocaCanalDoSdlDeps = LibraryManager.library.Mix_PlayChannel__deps || [];
// Opening the audio brings in the page's view of the sound.
var abreAudioDeps = (LibraryManager.library.Mix_OpenAudio__deps || []).concat(['$corvelaEstadoSom']);

mergeInto(LibraryManager.library, {
  // Volume and place of what a channel plays: channel volume x chunk volume x nearness, and
  // a left-right pan from the angle (0 ahead, 90 right, 270 left), as SDL_mixer does.
  $corvelaCanal__deps: ['$SDL'],
  $corvelaCanal: function(canal) {
    var info = SDL.channels[canal];
    if (!info || !info.audio) return;
    var audio = info.audio;
    var chunk = SDL.audios[audio.corvelaChunk];
    var volumeChunk = chunk && chunk.corvelaVolume !== undefined ? chunk.corvelaVolume : 1;
    var posicao = info.corvelaPosicao || {angulo: 0, distancia: 0};
    var volume = info.volume * volumeChunk * (255 - posicao.distancia) / 255;
    var pan = Math.sin(posicao.angulo * Math.PI / 180);
    audio.volume = volume;
    if (audio.webAudioGainNode) audio.webAudioGainNode['gain']['value'] = volume;
    if (audio.webAudioPannerNode) {
      audio.webAudioPannerNode['setPosition'](pan, 0, -Math.cos(posicao.angulo * Math.PI / 180) - .5);
    } else if (SDL.audioContext && audio instanceof HTMLMediaElement && (pan != 0 || audio.corvelaPan)) {
      if (!audio.corvelaPan) {
        var fonte = SDL.audioContext['createMediaElementSource'](audio);
        audio.corvelaPan = SDL.audioContext['createStereoPanner']();
        fonte['connect'](audio.corvelaPan);
        audio.corvelaPan['connect'](SDL.audioContext['destination']);
      }
      audio.corvelaPan['pan']['value'] = pan;
    }
  },

  corvela_tocaCanalDoSdl: tocaCanalDoSdl,
  corvela_tocaCanalDoSdl__deps: tocaCanalDoSdlDeps,

  Mix_PlayChannel__deps: ['corvela_tocaCanalDoSdl', '$corvelaCanal'],
  Mix_PlayChannel: function(channel, id, loops) {
    var canal = _corvela_tocaCanalDoSdl(channel, id, loops);
    if (canal >= 0 && SDL.channels[canal].audio) {
      SDL.channels[canal].audio.corvelaChunk = id;
      corvelaCanal(canal);
    }
    return canal;
  },

  // Sets the chunk's volume (0 to 128) when volume is not negative; returns the one before.
  Mix_VolumeChunk__deps: ['$SDL'],
  Mix_VolumeChunk: function(chunk, volume) {
    var info = SDL.audios[chunk];
    if (!info) return -1;
    var antes = info.corvelaVolume !== undefined ? info.corvelaVolume : 1;
    if (volume >= 0) info.corvelaVolume = Math.min(volume, 128) / 128;
    return Math.round(antes * 128);
  },

  // Places the channel: angle in degrees, distance 0 (near) to 255 (far). Kept for the
  // channel's later sounds too, until set back to 0, 0.
  Mix_SetPosition__deps: ['$SDL', '$corvelaCanal'],
  Mix_SetPosition: function(channel, angle, distance) {
    if (!SDL.channels || channel < 0 || channel >= SDL.channels.length) return 0;
    SDL.channels[channel].corvelaPosicao = {angulo: ((angle % 360) + 360) % 360, distancia: distance & 255};
    corvelaCanal(channel);
    return 1;
  },

  // Steps the music's volume down to silence over ms, then halts it. Asked again while
  // fading, the fade keeps the share already done and stretches the rest to the new length.
  Mix_FadeOutMusic__deps: ['$SDL', 'Mix_HaltMusic'],
  Mix_FadeOutMusic: function(ms) {
    var audio = SDL.music.audio;
    if (!audio || audio.paused) return 0;
    if (ms <= 0) {
      _Mix_HaltMusic();
      return 1;
    }
    var agora = performance.now();
    var fade = SDL.corvelaFade;
    var feito = 0;
    if (fade && fade.audio === audio) {
      feito = Math.min(1, (agora - fade.inicio) / fade.duracao);
    } else {
      if (fade) clearInterval(fade.passo);
      fade = SDL.corvelaFade = {audio: audio};
      fade.passo = setInterval(function() {
        var volume;
        if (SDL.music.audio !== fade.audio) {
          volume = -1;  // halted or replaced: the fade is over
        } else {
          feito = (performance.now() - fade.inicio) / fade.duracao;
          if (feito >= 1) {
            _Mix_HaltMusic();
            volume = -1;
          } else {
            volume = SDL.music.volume * (1 - feito);
          }
        }
        if (volume < 0) {
          clearInterval(fade.passo);
          if (SDL.corvelaFade === fade) SDL.corvelaFade = null;
          return;
        }
        fade.audio.volume = volume;
        if (fade.audio.webAudioGainNode) fade.audio.webAudioGainNode['gain']['value'] = volume;
      }, 20);
    }
    fade.duracao = ms;
    fade.inicio = agora - feito * ms;
    return 1;
  },

  // What the music is doing, for the page: playing or not, where in the piece, how loud.
  $corvelaEstadoSom__deps: ['$SDL'],
  $corvelaEstadoSom: function() {
    var audio = SDL.music && SDL.music.audio;
    if (!audio) return {tocando: false, tempo: 0, volume: 0};
    var tempo = audio.currentTime !== undefined ? audio.currentTime :
        (SDL.audioContext ? SDL.audioContext['currentTime'] - audio.startTime : 0);
    return {tocando: !audio.paused, tempo: tempo, volume: audio.volume, fonte: audio.currentSrc || ''};
  },
  // After the player's first key or click: music that the browser would not start without
  // one is started now.
  $corvelaEstadoSom__postset: "Module['estadoSom'] = corvelaEstadoSom; Module['retomaSom'] = function() {" +
      " if (SDL.audioContext && SDL.audioContext['state'] == 'suspended') SDL.audioContext['resume']();" +
      " if (SDL.music && SDL.music.audio && SDL.music.audio.paused) SDL.music.audio.play(); };",
  Mix_OpenAudio__deps: abreAudioDeps,
});
