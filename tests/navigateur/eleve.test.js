// Ce qu'un élève fait dans la page, au clavier comme à la souris, comparé au bureau quand le résultat est
// un texte ou un fichier.
'use strict';
const assert = require('node:assert/strict');
const {execFileSync} = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const {after, before, test} = require('node:test');
const {racine, servir, lancer, ouvrir} = require('./page.js');

const outil = process.env.VELMOR_ANALYSE || path.join(racine, 'build/dev/tools/velmor-analyse');
let serveur;
let navigateur;

before(async () => {
  serveur = await servir();
  navigateur = await lancer();
});
after(async () => {
  await navigateur.close();
  serveur.close();
});

const modale = (page) => page.waitForSelector('dialog[open]');
const sansModale = (page) => page.waitForSelector('dialog[open]', {state: 'detached'});
const texteModale = (page) => page.locator('dialog[open]').innerText();

// « M (x,y) » par Espace, les zones par leur nom, Entrée.
async function point(page, x, y) {
  await page.getByRole('button', {name: 'Placer un point'}).focus();
  await page.keyboard.press('Space');
  await modale(page);
  await page.focus('#SaisieX');
  await page.keyboard.type(x);
  await page.focus('#SaisieY');
  await page.keyboard.type(y);
  await page.keyboard.press('Enter');
}

async function menu(page, ...chemin) {
  for (const entrée of chemin) await page.getByRole('menuitem', {name: entrée, exact: true}).click();
}

// Les lignes montrées par la fenêtre des longueurs ou des angles.
async function mesures(page, bouton) {
  await page.getByRole('button', {name: bouton}).click();
  await modale(page);
  const lignes = await page.locator('dialog[open] [id^=Ligne]').allTextContents();
  await page.keyboard.press('Escape');
  await sansModale(page);
  return lignes.filter((l) => l);
}

test('une figure placée au clavier s\'analyse et se sauvegarde comme au bureau', async () => {
  const page = await ouvrir(navigateur, serveur);
  await point(page, '0', '0');
  await sansModale(page);
  await point(page, '2*2', '0');
  await sansModale(page);
  await point(page, '0', '2,5');
  await sansModale(page);
  await page.getByRole('button', {name: 'Trace une ligne brisée'}).focus();
  await page.keyboard.press('Enter');
  await modale(page);
  await page.keyboard.type('ABC');
  await page.keyboard.press('Enter');
  await sansModale(page);

  await page.getByRole('button', {name: 'Analyse'}).click();
  await modale(page);
  const phrase = await page.locator('dialog[open] textarea').inputValue();
  await page.keyboard.press('Escape');
  await sansModale(page);
  const longueurs = await mesures(page, 'Affiche les longueurs des côtés');
  const angles = await mesures(page, 'Affiche la mesure des angles');

  await menu(page, 'Fichier', 'Sauvegarder une figure');
  await modale(page);
  await page.keyboard.type('triangle');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.querySelector('dialog[open]')?.innerText.includes('Figure sauvegardée !'));
  await page.keyboard.press('Enter');
  await sansModale(page);
  const octets = await page.evaluate(() => Array.from(FS.readFile('/documents/Velmor/triangle.lum')));
  const dossier = fs.mkdtempSync(path.join(os.tmpdir(), 'velmor-page-'));
  const fichier = path.join(dossier, 'triangle.lum');
  fs.writeFileSync(fichier, Buffer.from(octets));
  const bureau = JSON.parse(execFileSync(outil, ['--json', fichier], {encoding: 'utf8'}));
  fs.rmSync(dossier, {recursive: true});

  assert.equal(phrase.trim(), `${bureau.description}.`);
  assert.deepEqual(longueurs, bureau.longueurs.map((l) => l.texte));
  assert.deepEqual(angles, bureau.angles.map((a) => a.texte));
  assert.deepEqual(page.erreurs, []);
});
