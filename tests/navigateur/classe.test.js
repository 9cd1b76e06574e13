// La vérification d'une classe dans la page donne, octet pour octet, le CSV de velmor-analyse --cible NOM
// --csv du bureau pour les mêmes fichiers, choisis un à un ou en dossier, sans rien envoyer.
'use strict';
const assert = require('node:assert/strict');
const {spawnSync} = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const {test} = require('node:test');
const {bancDEssai, racine} = require('./page.js');

const outil = process.env.VELMOR_ANALYSE || path.join(racine, 'build/dev/tools/velmor-analyse');
const banc = bancDEssai();

// Une classe : une figure réussie sous un nom qu'un tableur prendrait pour une formule, une ratée, une
// sans polygone, une abîmée, et un fichier qui n'est pas une figure (laissé de côté pour un dossier).
function classe() {
  const parent = fs.mkdtempSync(path.join(os.tmpdir(), 'velmor-classe-'));
  const dossier = path.join(parent, '5e B');
  fs.mkdirSync(dossier);
  for (const [source, nom] of [['carre-decimal.lum', '-Léa;carré.lum'], ['triangle-rectangle.lum', 'tom.lum'],
    ['points-sans-polygone.lum', 'Ali.lum'], ['triangle-tronque.lum', 'zoé abîmé.lum']])
    fs.copyFileSync(path.join(racine, 'tests/data', source), path.join(dossier, nom));
  fs.writeFileSync(path.join(dossier, 'notes.txt'), 'à rendre lundi');
  return {parent, dossier};
}

// Le tableau montré, une fois celui de ces fichiers pour cette cible, puis le fichier téléchargé.
async function vérifier(page, choix, fichiers, cible, premier) {
  await page.getByLabel('Cible').selectOption({label: cible});
  await page.getByLabel(choix).setInputFiles(fichiers);
  await page.waitForFunction(([c, p]) => document.querySelector('.classe caption').textContent === `Cible : ${c}` &&
      document.querySelector('.classe td')?.textContent.startsWith(p), [cible, premier]);
  const lignes = await page.locator('.classe tbody tr').evaluateAll((trs) =>
    trs.map((tr) => [...tr.cells].map((td) => td.textContent)));
  const téléchargement = page.waitForEvent('download');
  await page.getByRole('button', {name: 'Télécharger le tableau (CSV)'}).click();
  return {lignes, octets: fs.readFileSync(await (await téléchargement).path())};
}

function bureau(dossier, cible, noms) {
  return spawnSync(outil, ['--cible', cible, '--csv', '--', ...noms], {cwd: dossier}).stdout;
}

test('la vérification d\'une classe écrit le CSV de velmor-analyse, en local', async () => {
  const {parent, dossier} = classe();
  const page = await banc.ouvrir();
  const requêtes = [];
  page.on('request', (r) => requêtes.push(r.url()));
  await page.getByRole('button', {name: 'Vérifier les figures d\'une classe'}).click();

  const figures = fs.readdirSync(dossier).filter((n) => n.endsWith('.lum'));
  const choisies = await vérifier(page, 'Figures des élèves', figures.map((n) => path.join(dossier, n)), 'Carré',
      '-Léa');
  assert.equal(choisies.lignes.length, 4);
  // Le tableau montre le nom tel qu'il a été choisi ; le CSV seul le désarme pour le tableur.
  assert.deepEqual(choisies.lignes[0].slice(0, 4), ['-Léa;carré.lum', 'Carré', 'ABCD est un carré.', 'atteinte']);
  assert.deepEqual(choisies.octets, bureau(dossier, 'Carré', choisies.lignes.map((l) => l[0])));

  const enDossier = await vérifier(page, 'ou tout un dossier', dossier, 'Triangle rectangle', '5e B/');
  assert.ok(enDossier.lignes.every((l) => l[0].startsWith('5e B/') && l[0].endsWith('.lum')));
  assert.deepEqual(enDossier.octets, bureau(parent, 'Triangle rectangle', enDossier.lignes.map((l) => l[0])));
  assert.deepEqual(requêtes, []);

  // Le programme, suspendu pendant la vérification, reprend comme avant.
  await page.getByRole('button', {name: 'Fermer'}).click();
  await page.getByRole('button', {name: 'Placer un point'}).click();
  await page.keyboard.type('1');
  await page.focus('#SaisieY');
  await page.keyboard.type('2');
  await page.keyboard.press('Enter');
  await page.waitForSelector('dialog[open]', {state: 'detached'});
  assert.match(await page.locator('canvas').textContent(), /A\(1 ; 2\)/);
  assert.deepEqual(page.erreurs, []);
  fs.rmSync(parent, {recursive: true});
});
