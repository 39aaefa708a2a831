// imagens: the picture files the browser test reads and writes, all as {w, h, px} with px an
// Cor byte array: chromium's PNG screenshots (8-bit Cor or RGBA, not interlaced), the native
// reference frames (binary PPM) and the game's BMP pictures (24-bit, uncompressed). Writes
// PNG for people to look at. Depends only on node's zlib.
'use strict';

const fs = require('fs');
const zlib = require('zlib');

const ASSINATURA_PNG = Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]);

function lePng(dados) {
  if (!dados.subarray(0, 8).equals(ASSINATURA_PNG)) throw new Error('not a PNG');
  let p = 8, w = 0, h = 0, tipo = 0;
  const idat = [];
  while (p < dados.length) {
    const n = dados.readUInt32BE(p);
    const nome = dados.toString('latin1', p + 4, p + 8);
    const corpo = dados.subarray(p + 8, p + 8 + n);
    if (nome === 'IHDR') {
      w = corpo.readUInt32BE(0);
      h = corpo.readUInt32BE(4);
      tipo = corpo[9];
      if (corpo[8] !== 8 || (tipo !== 2 && tipo !== 6) || corpo[12] !== 0)
        throw new Error('PNG kind not read here');
    } else if (nome === 'IDAT') {
      idat.push(corpo);
    }
    p += 12 + n;
  }
  const bruto = zlib.inflateSync(Buffer.concat(idat));
  const bpp = tipo === 6 ? 4 : 3;
  const linha = w * bpp;
  const atual = Buffer.alloc(linha), anterior = Buffer.alloc(linha);
  const px = Buffer.alloc(w * h * 3);
  for (let y = 0; y < h; ++y) {
    const filtro = bruto[y * (linha + 1)];
    const f = bruto.subarray(y * (linha + 1) + 1, (y + 1) * (linha + 1));
    for (let i = 0; i < linha; ++i) {
      const a = i >= bpp ? atual[i - bpp] : 0, b = anterior[i], c = i >= bpp ? anterior[i - bpp] : 0;
      let v;
      switch (filtro) {
        case 0: v = 0; break;
        case 1: v = a; break;
        case 2: v = b; break;
        case 3: v = (a + b) >> 1; break;
        default: {
          const q = a + b - c, pa = Math.abs(q - a), pb = Math.abs(q - b), pc = Math.abs(q - c);
          v = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
        }
      }
      atual[i] = (f[i] + v) & 255;
    }
    for (let x = 0; x < w; ++x)
      for (let k = 0; k < 3; ++k) px[(y * w + x) * 3 + k] = atual[x * bpp + k];
    atual.copy(anterior);
  }
  return {w, h, px};
}

const TABELA_CRC = (() => {
  const t = new Uint32Array(256);
  for (let n = 0; n < 256; ++n) {
    let c = n;
    for (let k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320 ^ (c >>> 1) : c >>> 1;
    t[n] = c >>> 0;
  }
  return t;
})();

function crc32(buf) {
  let c = 0xFFFFFFFF;
  for (const b of buf) c = TABELA_CRC[(c ^ b) & 255] ^ (c >>> 8);
  return (c ^ 0xFFFFFFFF) >>> 0;
}

function gravaPng(arquivo, img) {
  const bloco = (nome, corpo) => {
    const cab = Buffer.alloc(8);
    cab.writeUInt32BE(corpo.length, 0);
    cab.write(nome, 4, 'latin1');
    const crc = Buffer.alloc(4);
    crc.writeUInt32BE(crc32(Buffer.concat([cab.subarray(4), corpo])), 0);
    return Buffer.concat([cab, corpo, crc]);
  };
  const ihdr = Buffer.alloc(13);
  ihdr.writeUInt32BE(img.w, 0);
  ihdr.writeUInt32BE(img.h, 4);
  ihdr[8] = 8;
  ihdr[9] = 2;
  const bruto = Buffer.alloc(img.h * (img.w * 3 + 1));
  for (let y = 0; y < img.h; ++y)
    img.px.copy(bruto, y * (img.w * 3 + 1) + 1, y * img.w * 3, (y + 1) * img.w * 3);
  fs.writeFileSync(arquivo, Buffer.concat([ASSINATURA_PNG, bloco('IHDR', ihdr),
    bloco('IDAT', zlib.deflateSync(bruto)), bloco('IEND', Buffer.alloc(0))]));
}

function lePpm(arquivo) {
  const dados = fs.readFileSync(arquivo);
  const m = dados.toString('latin1', 0, 64).match(/^P6\s+(\d+)\s+(\d+)\s+255\s/);
  if (!m) throw new Error(arquivo + ' is not a binary PPM');
  const w = +m[1], h = +m[2];
  return {w, h, px: Buffer.from(dados.subarray(m[0].length, m[0].length + w * h * 3))};
}

function leBmp(arquivo) {
  const d = fs.readFileSync(arquivo);
  const inicio = d.readUInt32LE(10), w = d.readInt32LE(18), hBruto = d.readInt32LE(22);
  const bits = d.readUInt16LE(28);
  if (d.toString('latin1', 0, 2) !== 'BM' || (bits !== 24 && bits !== 32) || d.readUInt32LE(30) !== 0)
    throw new Error(arquivo + ': BMP kind not read here');
  const h = Math.abs(hBruto), bpp = bits / 8, linha = Math.ceil(w * bpp / 4) * 4;
  const px = Buffer.alloc(w * h * 3);
  for (let y = 0; y < h; ++y) {
    const origem = inicio + (hBruto > 0 ? h - 1 - y : y) * linha;
    for (let x = 0; x < w; ++x) {
      const o = origem + x * bpp, i = (y * w + x) * 3;
      px[i] = d[o + 2];
      px[i + 1] = d[o + 1];
      px[i + 2] = d[o];
    }
  }
  return {w, h, px};
}

// The colour at (x, y) as [r, g, b].
function cor(img, x, y) {
  const i = (y * img.w + x) * 3;
  return [img.px[i], img.px[i + 1], img.px[i + 2]];
}

module.exports = {lePng, gravaPng, lePpm, leBmp, cor};
