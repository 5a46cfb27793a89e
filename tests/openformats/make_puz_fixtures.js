// Writes the .puz fixtures of tests/openformats/puz with the npm package puzjs (1.0.2), once;
// the files are committed and the tests only read them. Run from the repository's root:
//   mkdir -p /tmp/npmwork && (cd /tmp/npmwork && npm install puzjs@1.0.2)
//   NODE_PATH=/tmp/npmwork/node_modules node tests/openformats/make_puz_fixtures.js
//
// puzjs lays out the header, the solution and player grids, the strings in clue order and
// the extra sections (GRBS, RTBL, GEXT). It leaves parts of the file as stubs, which this
// script completes after puzjs has written it, each by a byte edit named in finish():
// the number of clues (puzjs writes it big-endian), the version string, the player grid's
// blocks, the notes (puzjs writes the copyright in their place), the extra sections'
// framing (puzjs writes the length big-endian, no checksum and no closing NUL) and the
// checksums. The faulty files are made from finished
// ones by the edits in main(). Every good file is read back with puzjs's own reader, which
// numbers the grid by itself, and must give the grid and the numbered clues written here;
// those go to expected.json for the test.
'use strict';
const fs = require('fs');
const path = require('path');
const Puz = require('puzjs');

const outDir = path.join(__dirname, 'puz');

// ---- puzzles ---------------------------------------------------------------------------

const cafe = {
  file: 'crossword_15x15.puz',
  size: 15,
  title: 'At the Café',
  author: 'Latica test fixtures',
  copyright: '© 2026 Latica',
  notes: 'A small English crossword. The circled letters spell a place to sit down.',
  circleWord: 'CAFE',
  clues: {
    CAPPUCCINO: 'Coffee topped with frothed milk',
    ESPRESSO: 'Strong coffee served in a small cup',
    CROISSANT: 'Flaky crescent-shaped pastry',
    BAGUETTE: 'Long French loaf',
    CAFE: 'Small restaurant; a café in Paris',
    MENU: 'List of dishes',
    WAITER: 'One who takes your order',
    TEAPOT: 'Vessel for brewing a hot drink',
    SAUCER: 'Small plate under a cup',
    SUGAR: 'Sweetener in a bowl or a cube',
    MUFFIN: 'Small domed cake',
    NAPKIN: 'Cloth for the lap at dinner',
    LATTE: 'Milky coffee drink',
    SCONE: 'Baked treat served with jam and cream',
    TIP: 'Something left for good service',
    BILL: 'It comes at the end of the meal',
    TABLE: 'Where you sit to eat',
    KETTLE: 'It whistles when the water boils',
    CREAM: 'Rich part of milk',
    HONEY: 'Sweet product of bees',
    TOAST: 'Browned slice of bread',
    MOCHA: 'Coffee flavoured with chocolate',
    SPOON: 'Stirring utensil',
    OMELETTE: 'Egg dish folded in the pan',
  },
};

const world = {
  file: 'crossword_21x21.puz',
  size: 21,
  title: 'Around the World',
  author: 'Latica test fixtures',
  copyright: '© 2026 Latica',
  notes: 'Cities, rivers, mountains and seas.',
  clues: {
    COPENHAGEN: 'Danish capital',
    AMSTERDAM: 'City of canals and the Rijksmuseum',
    BARCELONA: 'Catalan port city',
    EDINBURGH: 'Scottish capital with a castle on a rock',
    HELSINKI: 'Finnish capital',
    ISTANBUL: 'City on the Bosphorus',
    LISBON: 'Portuguese capital',
    MONTREAL: 'Largest city of Québec',
    NAIROBI: 'Kenyan capital',
    OSLO: 'Norwegian capital',
    PRAGUE: 'Czech capital',
    ROME: 'Eternal City',
    SYDNEY: 'City of the Opera House',
    TOKYO: 'Japanese capital',
    VIENNA: 'Austrian capital',
    WELLINGTON: 'New Zealand capital',
    ATLANTIC: 'Ocean between Europe and the Americas',
    PACIFIC: 'Largest ocean',
    EQUATOR: 'Line around the middle of the Earth',
    HIMALAYAS: 'Range with the highest peak',
    SAHARA: 'Great African desert',
    AMAZON: 'South American river',
    DANUBE: 'River through Vienna and Budapest',
    NILE: 'River of Egypt',
    ANDES: 'South American mountain range',
    ALPS: 'European mountain range',
    ARCTIC: 'Polar ocean',
    ISLAND: 'Land surrounded by water',
    PENINSULA: 'Land almost surrounded by water',
    CONTINENT: 'Africa or Asia, for one',
    CAPITAL: 'Seat of government',
    HARBOUR: 'Sheltered place for ships',
    VOLCANO: 'Mountain that may erupt',
    GLACIER: 'Slow river of ice',
    DESERT: 'Dry, sandy land',
    OCEAN: 'Vast body of salt water',
    CANYON: 'Deep gorge',
    LAGOON: 'Shallow water behind a reef',
  },
};

// Sweetheart and heartbeat share one cell holding HEART: a rebus.
const rebus = {
  file: 'rebus.puz',
  title: 'Rebus',
  author: 'Latica test fixtures',
  copyright: '© 2026 Latica',
  notes: 'One cell holds a whole word.',
  grid: [
    ['S', 'W', 'E', 'E', 'T', 'HEART'],
    ['.', '.', '.', '.', '.', 'B'],
    ['.', '.', '.', '.', '.', 'E'],
    ['.', '.', '.', '.', '.', 'A'],
    ['.', '.', '.', '.', '.', 'T'],
  ],
  clues: { SWEETHEART: 'Darling', HEARTBEAT: 'Pulse' },
};

// ---- the grid ----------------------------------------------------------------------------

// Lays the words out on a size x size board, each crossing one laid before, none touching
// another side by side, so that every run of two or more cells is one of the words. Words
// that find no place are left out.
function layOut(words, size) {
  const cell = Array.from({ length: size }, () => Array(size).fill(null));
  const dirOf = Array.from({ length: size }, () => Array(size).fill(''));
  const inside = (r, c) => r >= 0 && c >= 0 && r < size && c < size;
  const filled = (r, c) => inside(r, c) && cell[r][c] !== null;
  function crossings(word, r, c, dr, dc, first) {
    const er = r + dr * (word.length - 1), ec = c + dc * (word.length - 1);
    if (!inside(r, c) || !inside(er, ec)) return -1;
    if (filled(r - dr, c - dc) || filled(er + dr, ec + dc)) return -1;
    const dir = dr ? 'd' : 'a';
    let n = 0;
    for (let i = 0; i < word.length; i++) {
      const rr = r + dr * i, cc = c + dc * i;
      if (cell[rr][cc] !== null) {
        if (cell[rr][cc] !== word[i] || dirOf[rr][cc].includes(dir)) return -1;
        n++;
      } else if (filled(rr + dc, cc + dr) || filled(rr - dc, cc - dr)) {
        return -1;
      }
    }
    return first || n > 0 ? n : -1;
  }
  function put(word, r, c, dr, dc) {
    for (let i = 0; i < word.length; i++) {
      cell[r + dr * i][c + dc * i] = word[i];
      dirOf[r + dr * i][c + dc * i] += dr ? 'd' : 'a';
    }
  }
  const mid = Math.floor(size / 2);
  const [head, ...rest] = words;
  put(head, mid, Math.floor((size - head.length) / 2), 0, 1);
  let waiting = rest;
  while (waiting.length) {
    const left = [];
    for (const word of waiting) {
      let best = null;
      for (let r = 0; r < size; r++)
        for (let c = 0; c < size; c++)
          for (const [dr, dc] of [[0, 1], [1, 0]]) {
            const n = crossings(word, r, c, dr, dc, false);
            if (n < 1) continue;
            const far = Math.abs(r - mid) + Math.abs(c - mid);
            if (!best || n > best.n || (n === best.n && far < best.far)) best = { n, far, r, c, dr, dc };
          }
      if (best) put(word, best.r, best.c, best.dr, best.dc);
      else left.push(word);
    }
    if (left.length === waiting.length) break;
    waiting = left;
  }
  const grid = cell.map((row) => row.map((x) => (x === null ? '.' : x)));
  return { grid, placed: words.filter((word) => !waiting.includes(word)) };
}

// The words of a grid with their standard numbers: a white cell starts an across word when
// the cell to its left is a block or the edge and the one to its right is white; down alike.
function numberGrid(grid) {
  const h = grid.length, w = grid[0].length;
  const white = (r, c) => r >= 0 && c >= 0 && r < h && c < w && grid[r][c] !== '.';
  const across = [], down = [];
  let number = 0;
  for (let r = 0; r < h; r++)
    for (let c = 0; c < w; c++) {
      if (!white(r, c)) continue;
      const a = !white(r, c - 1) && white(r, c + 1);
      const d = !white(r - 1, c) && white(r + 1, c);
      if (!a && !d) continue;
      number++;
      const spell = (dr, dc) => {
        let s = '';
        for (let rr = r, cc = c; white(rr, cc); rr += dr, cc += dc) s += grid[rr][cc];
        return s;
      };
      if (a) across.push({ number, answer: spell(0, 1), cell: r * w + c });
      if (d) down.push({ number, answer: spell(1, 0), cell: r * w + c });
    }
  return { across, down };
}

// ---- finishing what puzjs leaves as stubs ------------------------------------------------

function cksum(bytes, sum = 0) {
  for (const b of bytes) {
    sum = (sum >> 1) | ((sum & 1) << 15);
    sum = (sum + b) & 0xffff;
  }
  return sum;
}

// The strings of a file: each as [start, end) without its NUL; returns the end offset too.
function strings(buf) {
  const w = buf[0x2c], h = buf[0x2d], clueCount = buf.readUInt16LE(0x2e);
  let at = 0x34 + 2 * w * h;
  const list = [];
  for (let i = 0; i < 3 + clueCount + 1; i++) {
    const end = buf.indexOf(0, at);
    if (end < 0) throw new Error(`string ${i} at ${at} without NUL (${clueCount} clues, ${buf.length} bytes)`);
    list.push([at, end]);
    at = end + 1;
  }
  return { list, end: at, clueCount };
}

// The CIB, overall and masked checksums, from the file's own bytes.
function setChecksums(buf) {
  const n = buf[0x2c] * buf[0x2d];
  const { list, clueCount } = strings(buf);
  // Title, author, copyright and notes with their NUL when not empty; clues without it.
  const text = (sum) => {
    const withNul = ([s, e]) => {
      if (e > s) sum = cksum(buf.subarray(s, e + 1), sum);
    };
    list.slice(0, 3).forEach(withNul);
    for (const [s, e] of list.slice(3, 3 + clueCount)) sum = cksum(buf.subarray(s, e), sum);
    withNul(list[3 + clueCount]);
    return sum;
  };
  const cib = cksum(buf.subarray(0x2c, 0x34));
  const sol = cksum(buf.subarray(0x34, 0x34 + n));
  const grid = cksum(buf.subarray(0x34 + n, 0x34 + 2 * n));
  const part = text(0);
  const overall = text(cksum(buf.subarray(0x34, 0x34 + 2 * n), cib));
  buf.writeUInt16LE(cib, 0x0e);
  buf.writeUInt16LE(overall, 0x00);
  const mask = Buffer.from('ICHEATED', 'latin1');
  [cib, sol, grid, part].forEach((sum, i) => {
    buf[0x10 + i] = mask[i] ^ (sum & 0xff);
    buf[0x14 + i] = mask[4 + i] ^ (sum >> 8);
  });
}

function latin1(text) {
  for (const ch of text)
    if (ch.codePointAt(0) > 0xff) throw new Error('not ISO-8859-1: ' + text);
  return Buffer.from(text, 'latin1');
}

// Completes a file as puzjs wrote it: see the head of this script.
function finish(bytes, notes) {
  const buf = Buffer.from(bytes);
  const w = buf[0x2c], h = buf[0x2d], n = w * h;
  // The number of clues is little-endian like every short of the format; puzjs writes it
  // big-endian.
  buf.writeUInt16LE(buf.readUInt16BE(0x2e), 0x2e);
  // Version "1.3": puzjs leaves four zeros.
  buf.write('1.3\0', 0x18, 'latin1');
  // The player grid starts empty with its blocks shown; puzjs writes '-' on blocks too.
  for (let i = 0; i < n; i++) if (buf[0x34 + i] === 0x2e) buf[0x34 + n + i] = 0x2e;
  // The notes: puzjs repeats the copyright where they go.
  const { list, end } = strings(buf);
  const notesAt = list[list.length - 1][0];
  const parts = [buf.subarray(0, notesAt), latin1(notes), Buffer.from([0])];
  // Extra sections: name, length (little-endian), checksum of the data, data, NUL.
  for (let at = end; at < buf.length; ) {
    const name = buf.subarray(at, at + 4);
    const length = buf.readUInt16BE(at + 4);
    const data = buf.subarray(at + 8, at + 8 + length);
    const head = Buffer.alloc(8);
    name.copy(head, 0);
    head.writeUInt16LE(length, 4);
    head.writeUInt16LE(cksum(data), 6);
    parts.push(head, data, Buffer.from([0]));
    at += 8 + length;
  }
  const out = Buffer.concat(parts);
  setChecksums(out);
  return out;
}

// ---- writing -----------------------------------------------------------------------------

// Sparse lists by number, as puzjs takes them.
function puzjsClues(numbered, clues) {
  const across = [], down = [];
  for (const [list, into] of [[numbered.across, across], [numbered.down, down]])
    for (const word of list) {
      if (!(word.answer in clues)) throw new Error('no clue for ' + word.answer);
      into[word.number] = clues[word.answer];
    }
  return { across, down };
}

function encode(puzzle, grid, clues, circles) {
  for (const text of [puzzle.title, puzzle.author, puzzle.copyright, ...clues.across, ...clues.down])
    if (text !== undefined) latin1(text);
  const bytes = Puz.encode({
    grid,
    clues,
    meta: { title: puzzle.title, author: puzzle.author, copyright: puzzle.copyright },
    circles: circles || [],
  });
  return finish(bytes, puzzle.notes);
}

// Reads a finished file back with puzjs and compares it with what was written.
function readBack(buf, grid, clues, notes) {
  const log = console.log;
  console.log = () => {};
  let read;
  try {
    read = Puz.decode(buf);
  } finally {
    console.log = log;
  }
  const rows = read.grid.map((row) => row.map((x) => (typeof x === 'string' ? x : x.solution)).join(''));
  const want = grid.map((row) => row.map((x) => x[0]).join(''));
  const same = (a, b, what) => {
    if (JSON.stringify(a) !== JSON.stringify(b)) throw new Error(what + ' read back differs');
  };
  same(rows, want, 'grid');
  same(read.clues.across, clues.across, 'across clues');
  same(read.clues.down, clues.down, 'down clues');
  same(read.meta.description, notes, 'notes');
}

function expectation(puzzle, grid, numbered) {
  const pairs = (list) => list.map((word) => [word.number, puzzle.clues[word.answer]]);
  return {
    width: grid[0].length,
    height: grid.length,
    rows: grid.map((row) => row.join('')),
    across: pairs(numbered.across),
    down: pairs(numbered.down),
    title: puzzle.title,
    author: puzzle.author,
    copyright: puzzle.copyright,
    notes: puzzle.notes,
  };
}

function write(name, buf) {
  fs.writeFileSync(path.join(outDir, name), buf);
  console.log(`${name}: ${buf.length} bytes`);
}

function main() {
  fs.mkdirSync(outDir, { recursive: true });
  const expected = {};
  const made = {};
  for (const puzzle of [cafe, world]) {
    const { grid, placed } = layOut(Object.keys(puzzle.clues), puzzle.size);
    const numbered = numberGrid(grid);
    const answers = [...numbered.across, ...numbered.down].map((x) => x.answer).sort();
    if (JSON.stringify(answers) !== JSON.stringify(placed.sort()))
      throw new Error(puzzle.file + ': the grid holds other words than those laid out');
    const clues = puzjsClues(numbered, puzzle.clues);
    let circles = [];
    if (puzzle.circleWord) {
      const word = [...numbered.across, ...numbered.down].find((x) => x.answer === puzzle.circleWord);
      const step = numbered.across.includes(word) ? 1 : grid[0].length;
      circles = [...word.answer].map((_, i) => word.cell + i * step);
    }
    const buf = encode(puzzle, grid, clues, circles);
    readBack(buf, grid, clues, puzzle.notes);
    write(puzzle.file, buf);
    expected[puzzle.file] = expectation(puzzle, grid, numbered);
    made[puzzle.file] = { puzzle, grid, numbered, clues, buf };
  }

  // A rebus: puzjs writes its GRBS and RTBL sections itself.
  {
    write(rebus.file, encode(rebus, rebus.grid, puzjsClues(numberGrid(rebus.grid), rebus.clues)));
  }

  const cafeMade = made[cafe.file], worldMade = made[world.file];
  // A clue letter changed after the checksums were written.
  {
    const buf = Buffer.from(worldMade.buf);
    const at = buf.indexOf(Buffer.from('Danish capital', 'latin1'));
    buf[at] = 'M'.charCodeAt(0);
    write('bad_checksum.puz', buf);
  }
  // A header byte inside the CIB (the unknown bitmask) changed after the checksums.
  {
    const buf = Buffer.from(worldMade.buf);
    buf[0x30] ^= 0x01;
    write('bad_cib.puz', buf);
  }
  // Locked: the scrambled tag set (4, as locked files have it) with the checksum of the
  // solution read down the columns; the checksums recomputed. The letters are left in
  // place: the tag alone makes the puzzle locked.
  {
    const buf = Buffer.from(cafeMade.buf);
    const { grid } = cafeMade;
    let column = '';
    for (let c = 0; c < grid[0].length; c++)
      for (let r = 0; r < grid.length; r++) if (grid[r][c] !== '.') column += grid[r][c];
    buf.writeUInt16LE(cksum(Buffer.from(column, 'latin1')), 0x1e);
    buf.writeUInt16LE(4, 0x32);
    setChecksums(buf);
    write('scrambled.puz', buf);
  }
  // One clue more than the grid has words: an across clue at a number that starts only a
  // down word. And one clue fewer: the last down clue left out.
  {
    const { numbered, clues } = cafeMade;
    const acrossNumbers = new Set(numbered.across.map((x) => x.number));
    const onlyDown = numbered.down.find((x) => !acrossNumbers.has(x.number)).number;
    const more = { across: [...clues.across], down: clues.down };
    more.across[onlyDown] = 'A clue for a word the grid does not have';
    write('extra_clue.puz', encode(cafe, cafeMade.grid, more));
    const fewer = { across: clues.across, down: [...clues.down] };
    delete fewer.down[numbered.down[numbered.down.length - 1].number];
    write('missing_clue.puz', encode(cafe, cafeMade.grid, fewer));
  }
  // A writer that stored a clue in UTF-8 instead of ISO-8859-1.
  {
    const { numbered, clues } = cafeMade;
    const word = numbered.across.find((x) => x.answer === 'CAFE') || numbered.down.find((x) => x.answer === 'CAFE');
    const list = numbered.across.includes(word) ? 'across' : 'down';
    const utf8 = { across: [...clues.across], down: [...clues.down] };
    utf8[list][word.number] = Buffer.from(cafe.clues.CAFE, 'utf8').toString('latin1');
    write('utf8_clue.puz', encode(cafe, cafeMade.grid, utf8));
  }
  // Cut in the middle of the clues; and nothing at all.
  write('truncated.puz', worldMade.buf.subarray(0, strings(worldMade.buf).list[10][0] + 5));
  write('empty.puz', Buffer.alloc(0));

  fs.writeFileSync(path.join(outDir, 'expected.json'), JSON.stringify(expected, null, 1) + '\n');
  for (const file of Object.keys(expected)) console.log(file + '\n' + expected[file].rows.join('\n'));
}

main();
