// The extension's grammars against the example descriptions, tokenized as VS
// Code does (vscode-textmate over the Oniguruma regular expressions): every
// section heading gets the section scope, every comment line the comment
// scope, every entry's key the key scope, its numbers the number scope and a
// station's name or a signpost's text the name scope.
//
// usage: node grammatica_test.mjs EXAMPLES_FOLDER
import { readFileSync, readdirSync } from 'node:fs';
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const oniguruma = require('vscode-oniguruma');
const textmate = require('vscode-textmate');
const cartella = process.argv[2];
await oniguruma.loadWASM(readFileSync(require.resolve('vscode-oniguruma/release/onig.wasm')).buffer);
const registro = new textmate.Registry({
  onigLib: Promise.resolve({
    createOnigScanner: (sorgenti) => new oniguruma.OnigScanner(sorgenti),
    createOnigString: (s) => new oniguruma.OnigString(s),
  }),
  loadGrammar: async (scope) => {
    const file = { 'source.scenario.line': 'linea', 'source.scenario.train': 'treno' }[scope];
    return textmate.parseRawGrammar(readFileSync(new URL(`syntaxes/${file}.tmLanguage.json`, import.meta.url), 'utf8'),
      `${file}.tmLanguage.json`);
  },
});

let guasti = 0;
const fallisce = (messaggio) => { console.error(`FAIL: ${messaggio}`); guasti++; };
let controllate = 0;
for (const nome of readdirSync(cartella).filter((n) => n.endsWith('.txt'))) {
  const grammatica = await registro.loadGrammar(nome.endsWith('_linea.txt') ? 'source.scenario.line' : 'source.scenario.train');
  let stato = textmate.INITIAL;
  let generale = false;
  readFileSync(`${cartella}/${nome}`, 'latin1').split(/\r?\n/).forEach((riga, n) => {
    const { tokens, ruleStack } = grammatica.tokenizeLine(riga, stato);
    stato = ruleStack;
    const scope = (colonna) => tokens.find((t) => t.startIndex <= colonna && colonna < t.endIndex)?.scopes ?? [];
    const ha = (colonna, atteso) => scope(colonna).some((s) => s.startsWith(atteso));
    const dove = `${nome}:${n + 1}: ${riga}`;
    const primo = riga.split(',')[0];
    const inizio = riga.search(/\S/);
    if (!generale) { generale = /\[generale\]/i.test(riga); if (!generale) return; }
    if (inizio < 0) return;
    controllate++;
    if (primo.includes('-')) {
      if (!ha(inizio, 'comment.line')) fallisce(`${dove}: not a comment`);
    } else if (primo.includes('[') && primo.includes(']')) {
      if (!ha(riga.indexOf('['), 'entity.name.section')) fallisce(`${dove}: not a heading`);
    } else {
      if (!ha(inizio, 'keyword.other.key')) fallisce(`${dove}: its key has ${scope(inizio)}`);
      const numero = riga.search(/,\s*-?\d/);
      if (numero >= 0 && !ha(riga.slice(numero).search(/\d/) + numero, 'constant.numeric')) fallisce(`${dove}: a number`);
      const testo = /,\s*([A-Z(][^,]*)$/.exec(riga);
      if (testo && !ha(riga.lastIndexOf(testo[1]), 'string.unquoted.name')) fallisce(`${dove}: the name "${testo[1]}"`);
    }
  });
}
if (controllate === 0) fallisce(`no description read in ${cartella}`);
if (guasti) process.exit(1);
console.log(`grammar test passed (${controllate} lines)`);
