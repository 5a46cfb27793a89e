// Writes the .ipuz fixtures of tests/openformats/ipuz and what the independent parser
// @xwordly/xword-parser reads from them and from norda's export of the collection
// (ipuz/readback.json), which the tests compare with the game's import and reader.
// Not part of the test run. To run it again:
//   mkdir -p /tmp/npmwork && cd /tmp/npmwork && npm install @xwordly/xword-parser
//   (its release 1.1.0 names a dependency the registry lacks; `npm pack` it, unpack it into
//   node_modules/@xwordly/xword-parser and install buffer and fast-xml-parser beside it)
//   <build>/Latica/norda export <build>/Latica/英単語クロス.kmi -o /tmp/ipuz-export
//   <build>/Latica/norda export <build>/Latica/達人のカナクロス.kmi -o /tmp/ipuz-export
//   NODE_PATH=/tmp/npmwork/node_modules node tests/openformats/make_ipuz_fixtures.mjs /tmp/ipuz-export
import { readFileSync, readdirSync, writeFileSync } from 'fs';
import { basename, dirname, join, resolve } from 'path';
import { fileURLToPath, pathToFileURL } from 'url';

const modules = resolve(process.env.NODE_PATH || 'node_modules');
const { parse } = await import(pathToFileURL(join(modules, '@xwordly/xword-parser/dist/index.mjs')).href);
const here = join(dirname(fileURLToPath(import.meta.url)), 'ipuz');
const exported = process.argv[2];

// A lattice grid: a block where row and column are both odd (from 0), so that every even
// row and column is a whole word; `omitted` blocks are written as null.
function lattice(size, letters, omitted) {
  const puzzle = [], solution = [];
  let k = 0;
  for (let r = 0; r < size; r++) {
    const p = [], s = [];
    for (let c = 0; c < size; c++) {
      if (r % 2 === 1 && c % 2 === 1) {
        const none = omitted(r, c);
        p.push(none ? null : '#');
        s.push(none ? null : '#');
      } else {
        p.push(0);
        s.push(letters[k++ % letters.length]);
      }
    }
    puzzle.push(p);
    solution.push(s);
  }
  // Crossword numbers: a cell starting a word across or down.
  let n = 0;
  const white = (r, c) => r >= 0 && c >= 0 && r < size && c < size && !(r % 2 === 1 && c % 2 === 1);
  const across = [], down = [];
  for (let r = 0; r < size; r++)
    for (let c = 0; c < size; c++) {
      if (!white(r, c)) continue;
      const a = !white(r, c - 1) && white(r, c + 1), d = !white(r - 1, c) && white(r + 1, c);
      if (!a && !d) continue;
      puzzle[r][c] = ++n;
      if (a) across.push(n);
      if (d) down.push(n);
    }
  return { puzzle, solution, across, down };
}

// 15 x 15 letters: lower case, full-width and {"value": ...} cells; clues as [number, text]
// and as objects, with markup and character references.
{
  const g = lattice(15, 'crosswordpuzzlefromanindependentsource'.split(''), (r, c) => (r + c) % 4 === 0);
  g.solution[0][1] = { value: 'r' };
  g.solution[2][2] = 'Ｏ';
  const across = g.across.map((n, k) => (k % 2 === 0 ? [n, `Across <i>${n}</i> &amp; more`] : { number: n, clue: `Across ${n}, with &#233;` }));
  const down = g.down.map((n, k) => (k % 2 === 0 ? { number: String(n), clue: `Down <b>${n}</b>&nbsp;here` } : [n, `Down ${n} &lt;x&gt;`]));
  writeFileSync(join(here, 'letters_15x15.ipuz'), JSON.stringify({
    version: 'http://ipuz.org/v2', kind: ['http://ipuz.org/crossword#1'],
    title: 'Letters 15', author: 'Latica tests', copyright: 'CC0', difficulty: '3',
    dimensions: { width: 15, height: 15 }, puzzle: g.puzzle, solution: g.solution,
    clues: { Across: across, Down: down },
  }, null, 1));
}

// 21 x 21 kana (version 1): katakana, hiragana, half-width katakana and small kana; the
// down clues as bare texts, which take their words in order; the across list has a label.
{
  const kana = ['ア', 'か', 'ｻ', 'タ', 'な', 'ッ', 'ゃ', 'ー', 'ﾎ', 'ヴ', 'ん', 'ョ'];
  const g = lattice(21, kana, () => false);
  writeFileSync(join(here, 'kana_21x21.ipuz'), JSON.stringify({
    version: 'http://ipuz.org/v1', kind: ['http://ipuz.org/crossword#1'],
    title: 'カナ 21', dimensions: { width: 21, height: 21 }, puzzle: g.puzzle, solution: g.solution,
    clues: { 'Across:よこ': g.across.map((n) => ({ number: n, clue: `よこ${n}` })), Down: g.down.map((n, k) => `たて${k + 1}番目`) },
  }, null, 1));
}

// What the parser reads: per cell "#" for a block, its solution or "" when it gives none,
// the cell numbers, and the clues as [number, text].
function readBack(path) {
  const p = parse(readFileSync(path, 'utf8'), { filename: basename(path) });
  return {
    title: p.title ?? '',
    width: p.grid.width,
    height: p.grid.height,
    cells: p.grid.cells.map((row) => row.map((c) => (c.isBlack ? '#' : (c.solution ?? '')))),
    numbers: p.grid.cells.map((row) => row.map((c) => c.number ?? 0)),
    across: p.clues.across.map((c) => [c.number, c.text]),
    down: p.clues.down.map((c) => [c.number, c.text]),
  };
}

const out = {};
for (const name of ['letters_15x15.ipuz', 'kana_21x21.ipuz']) out[name] = readBack(join(here, name));
if (exported)
  for (const name of readdirSync(exported).filter((f) => f.endsWith('.ipuz')).sort()) out[name] = readBack(join(exported, name));
writeFileSync(join(here, 'readback.json'), JSON.stringify(out, null, 1) + '\n');
