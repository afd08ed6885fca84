// The protocol driven by a real client: initialize, open the example's train
// description, break it and mend it while the diagnostics follow, then
// hover, completion, outline, definition, references and quick fixes, and shutdown and exit
// in order.
//
// usage: node cliente_test.mjs SCENARIO_TOOL FOLDER (holding the example pair)
import { mkdirSync, writeFileSync } from 'node:fs';
import * as rpc from 'vscode-languageserver-protocol/node.js';
import { avvia, testo, uri, verifica } from './cliente.mjs';

const [strumento, cartella] = process.argv.slice(2);
const server = avvia(strumento);
const { connessione } = server;
const treno = uri(`${cartella}/Valbruna_101-.txt`);
const linea = uri(`${cartella}/Valbruna_linea.txt`);
const originale = testo(`${cartella}/Valbruna_101-.txt`);
const righe = originale.split('\n');
const riga = (inizio) => righe.findIndex((r) => r.startsWith(inizio));

const init = await connessione.sendRequest(rpc.InitializeRequest.type,
  { processId: process.pid, rootUri: uri(cartella), capabilities: {} });
verifica(init.capabilities.hoverProvider, 'the server offers hover');
await connessione.sendNotification(rpc.InitializedNotification.type, {});

// The example pair is clean; the line description, not open, is checked from its file.
let pulite = server.diagnostiche(treno);
const dellaLinea = server.diagnostiche(linea);
await connessione.sendNotification(rpc.DidOpenTextDocumentNotification.type,
  { textDocument: { uri: treno, languageId: 'scenario-train', version: 1, text: originale } });
verifica((await pulite).length === 0, 'the example has no diagnostic');
verifica((await dellaLinea).length === 0, 'the line description is checked with it');

// A misspelt key: its diagnostic appears, then goes when the key is mended.
const rigaVelocita = riga('velocita,  600');
const rotto = originale.replace('velocita,  600', 'velcita,  600');
const conErrore = server.diagnostiche(treno, (d) => d.length > 0);
await connessione.sendNotification(rpc.DidChangeTextDocumentNotification.type,
  { textDocument: { uri: treno, version: 2 }, contentChanges: [{ text: rotto }] });
const [errore] = await conErrore;
verifica(errore.code === 'unknown-key' && errore.severity === 1, `the typo is an error: ${JSON.stringify(errore)}`);
verifica(errore.range.start.line === rigaVelocita && errore.range.start.character === 0 &&
  errore.range.end.character === 7, `the typo's range: ${JSON.stringify(errore.range)}`);
verifica(errore.relatedInformation[0].message.includes('`velocita`'), 'the hint rides as related information');

const azioni = await connessione.sendRequest(rpc.CodeActionRequest.type,
  { textDocument: { uri: treno }, range: errore.range, context: { diagnostics: [errore] } });
const modifica = azioni[0].edit.changes[treno][0];
verifica(azioni[0].kind === 'quickfix' && modifica.newText === 'velocita', `quick fix: ${JSON.stringify(azioni)}`);

pulite = server.diagnostiche(treno, (d) => d.length === 0);
await connessione.sendNotification(rpc.DidChangeTextDocumentNotification.type,
  { textDocument: { uri: treno, version: 3 }, contentChanges: [{ text: originale }] });
await pulite;

// A second signal in the first one's cell: definition leads to the first.
const rigaSegnale = riga('segnale,  1200');
const doppio = righe.slice(0, rigaSegnale + 1).concat([righe[rigaSegnale]], righe.slice(rigaSegnale + 1)).join('\n');
const occupata = server.diagnostiche(treno, (d) => d.length > 0);
await connessione.sendNotification(rpc.DidChangeTextDocumentNotification.type,
  { textDocument: { uri: treno, version: 4 }, contentChanges: [{ text: doppio }] });
const [cella] = await occupata;
verifica(cella.range.start.line === rigaSegnale + 1, `the taken cell is the second signal's: ${JSON.stringify(cella)}`);
const definizione = await connessione.sendRequest(rpc.DefinitionRequest.type,
  { textDocument: { uri: treno }, position: { line: rigaSegnale + 1, character: 2 } });
verifica(definizione[0].uri === treno && definizione[0].range.start.line === rigaSegnale,
  `definition: ${JSON.stringify(definizione)}`);

// Hover over a key word and over a position.
const rigaStazione = riga('stazione,  4200');
const chiave = await connessione.sendRequest(rpc.HoverRequest.type,
  { textDocument: { uri: treno }, position: { line: rigaStazione, character: 3 } });
verifica(chiave.contents.value.includes('#### `stazione`'), 'hover over a key shows its guide entry');
const valore = await connessione.sendRequest(rpc.HoverRequest.type,
  { textDocument: { uri: treno }, position: { line: rigaStazione, character: 12 } });
// 4200 m: cell 84; the system "uno" counts up from 12000 m at 0 m.
verifica(valore.contents.value.includes('cell 84') && valore.contents.value.includes('km 16+200'),
  `hover over a position: ${valore.contents.value}`);

// References: a signpost put in SAN MICHELE's stop zone (4200 m, type 12,
// 600 m, setting 6 on: 3900 m to 4550 m, cells 78 to 90) is listed from the
// station, across the pair, and the station from it; the signal at 3500 m
// (cell 70) is not.
const testoLinea = testo(`${cartella}/Valbruna_linea.txt`).split('\n');
const rigaCartello = testoLinea.findIndex((r) => r.startsWith('cartello_indicatore,  2000')) + 1;
testoLinea.splice(rigaCartello, 0, 'cartello_indicatore,  4300,     (Bivio)');
await connessione.sendNotification(rpc.DidOpenTextDocumentNotification.type,
  { textDocument: { uri: linea, languageId: 'scenario-line', version: 1, text: testoLinea.join('\n') } });
const dallaStazione = await connessione.sendRequest(rpc.ReferencesRequest.type,
  { textDocument: { uri: treno }, position: { line: rigaStazione, character: 3 }, context: { includeDeclaration: false } });
verifica(dallaStazione.length === 1 && dallaStazione[0].uri === linea && dallaStazione[0].range.start.line === rigaCartello,
  `references from the station: ${JSON.stringify(dallaStazione)}`);
const dalCartello = await connessione.sendRequest(rpc.ReferencesRequest.type,
  { textDocument: { uri: linea }, position: { line: rigaCartello, character: 3 }, context: { includeDeclaration: true } });
const luoghi = dalCartello.map((l) => `${l.uri === linea ? 'line' : 'train'}:${l.range.start.line}`).sort();
verifica(JSON.stringify(luoghi) === JSON.stringify([`line:${rigaCartello}`, `train:${rigaStazione}`].sort()),
  `references from the signpost: ${luoghi}`);
// Hover over the station's position names what else stands in its cells.
const accanto = await connessione.sendRequest(rpc.HoverRequest.type,
  { textDocument: { uri: treno }, position: { line: rigaStazione, character: 12 } });
verifica(accanto.contents.value.includes(`In its cells too:\n- \`Valbruna_linea.txt:${rigaCartello + 1}\` cartello_indicatore,  4300`),
  `hover over the station's position: ${accanto.contents.value}`);

// SAN MICHELE moved to 600 m: its zone (300 m to 950 m) starts less than
// 350 m after BORGO ALTO's (-400 m to 400 m) ends. The quick fix writes the
// first position allowed, 600 + (400 + 350 - 300) = 1050 m, over the field.
const vicina = originale.replace('stazione,  4200', 'stazione,  600');
const zone = server.diagnostiche(treno, (d) => d.some((x) => x.code === 'fault-22'));
await connessione.sendNotification(rpc.DidChangeTextDocumentNotification.type,
  { textDocument: { uri: treno, version: 5 }, contentChanges: [{ text: vicina }] });
const spaziatura = (await zone).find((x) => x.code === 'fault-22');
const sposta = await connessione.sendRequest(rpc.CodeActionRequest.type,
  { textDocument: { uri: treno }, range: spaziatura.range, context: { diagnostics: [spaziatura] } });
const nuovaPosizione = sposta[0]?.edit.changes[treno][0];
verifica(sposta.length === 1 && nuovaPosizione.newText === '1050' && nuovaPosizione.range.start.line === rigaStazione &&
  nuovaPosizione.range.start.character === 11 && nuovaPosizione.range.end.character === 14,
  `the allowed position as a quick fix: ${JSON.stringify(sposta)}`);

const completamenti = await connessione.sendRequest(rpc.CompletionRequest.type,
  { textDocument: { uri: treno }, position: { line: rigaStazione, character: 0 } });
const etichette = completamenti.map((c) => c.label);
verifica(etichette.includes('stazione') && etichette.includes('[segnali]'), `completion: ${etichette}`);
const stazione = completamenti.find((c) => c.label === 'stazione');
verifica(stazione.insertTextFormat === 2 && stazione.insertText.startsWith('stazione,  ${1:position}'),
  `the station's snippet: ${stazione.insertText}`);

const simboli = await connessione.sendRequest(rpc.DocumentSymbolRequest.type, { textDocument: { uri: treno } });
const nomi = simboli.flatMap((s) => [s.name, ...(s.children ?? []).map((c) => c.name)]);
for (const atteso of ['[stazioni]', 'BORGO ALTO', 'segnale 1200 m', 'rallentamento 19500 m']) {
  verifica(nomi.includes(atteso), `the outline holds ${atteso}: ${nomi}`);
}

// Names that do not tell: scenario.json in the folder pairs route.txt (a
// line description with a misspelt key) with express.txt. Opening the train
// description checks the pair, and the line's typo comes back on its file.
const senzaNomi = `${cartella}/senza_nomi`;
mkdirSync(senzaNomi);
writeFileSync(`${senzaNomi}/scenario.json`, JSON.stringify({ pairs: [{ line: 'route.txt', train: 'express.txt' }] }));
writeFileSync(`${senzaNomi}/route.txt`, testo(`${cartella}/Valbruna_linea.txt`).replace('curvad3,', 'curvx3,'), 'latin1');
const rotta = uri(`${senzaNomi}/route.txt`);
const dellaRotta = server.diagnostiche(rotta, (d) => d.length > 0);
await connessione.sendNotification(rpc.DidOpenTextDocumentNotification.type,
  { textDocument: { uri: uri(`${senzaNomi}/express.txt`), languageId: 'plaintext', version: 1, text: originale } });
const [refuso] = await dellaRotta;
verifica(refuso.code === 'unknown-key' && refuso.range.start.line === testo(`${senzaNomi}/route.txt`).split('\n')
  .findIndex((r) => r.startsWith('curvx3')), `the declared pair is checked together: ${JSON.stringify(refuso)}`);

await connessione.sendRequest(rpc.ShutdownRequest.type);
await connessione.sendNotification(rpc.ExitNotification.type);
const codice = await server.finito;
verifica(codice === 0, `exit status after shutdown and exit: ${codice}`);
connessione.dispose();
console.log('lsp client test passed');
