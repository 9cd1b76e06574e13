// L'image de la figure dans la page : les fichiers exportés à la taille du canevas, et ce que montre la
// feuille d'impression, relevé au moment où la page imprime.
'use strict';
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const {test} = require('node:test');
const {bancDEssai, racine, modale, sansModale, menu, déposer} = require('./page.js');

const banc = bancDEssai();

// Sans sélecteur de fichiers, l'image est téléchargée ; l'impression relève ce que montre le papier.
function préparer() {
  window.showSaveFilePicker = undefined;
  window.impressions = [];
  window.print = () => {
    const vu = (e) => Boolean(e && e.checkVisibility());
    const image = document.querySelector('#impression img');
    window.impressions.push({
      principale: vu(document.getElementById('principale')),
      image: vu(image) ? [image.naturalWidth, image.naturalHeight] : null,
      texte: document.body.innerText,
      champs: [...document.querySelectorAll('input')].filter(vu).map((e) => e.value),
    });
    window.dispatchEvent(new Event('afterprint'));
  };
}

async function ouvrirTriangle(page) {
  await déposer(page, path.join(racine, 'tests/data/triangle-rectangle.lum'));
  await page.getByText('Figure du fichier : triangle-rectangle.lum', {exact: true}).waitFor();
}

// « Exporter la figure... » avec ce type, jusqu'au fichier téléchargé : son nom et ses octets.
async function exporter(page, type) {
  await menu(page, 'Fichier', 'Exporter la figure...');
  await modale(page);
  await page.getByRole('combobox', {name: 'Type'}).selectOption({label: type});
  const téléchargement = page.waitForEvent('download');
  await page.getByRole('button', {name: 'Enregistrer'}).click();
  const fichier = await téléchargement;
  return {nom: fichier.suggestedFilename(), octets: fs.readFileSync(await fichier.path())};
}

// Largeur et hauteur de l'en-tête IHDR d'un PNG.
const taillePng = (o) => (o.subarray(1, 4).toString() === 'PNG' ? [o.readUInt32BE(16), o.readUInt32BE(20)] : null);

test('les images exportées ont la taille du canevas, le double pour la grande, et le SVG la même', async () => {
  const page = await banc.ouvrir(undefined, préparer);
  await ouvrirTriangle(page);
  const canevas = await page.locator('#principale canvas').evaluate((c) => [c.clientWidth, c.clientHeight]);

  const simple = await exporter(page, 'Image PNG (*.png)');
  assert.equal(simple.nom, 'triangle-rectangle.png');
  assert.deepEqual(taillePng(simple.octets), canevas);
  const double = await exporter(page, 'Image PNG, taille double (*.png)');
  assert.deepEqual(taillePng(double.octets), canevas.map((n) => 2 * n));
  const svg = await exporter(page, 'Dessin SVG (*.svg)');
  assert.equal(svg.nom, 'triangle-rectangle.svg');
  const dessin = svg.octets.toString();
  assert.deepEqual([/ width="(\d+)"/.exec(dessin)[1], / height="(\d+)"/.exec(dessin)[1]].map(Number), canevas);
  // « Copier la figure » met l'image simple dans le presse-papiers.
  await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
  await page.evaluate(() => navigator.clipboard.writeText(''));
  await menu(page, 'Fichier', 'Copier la figure');
  const copiée = await page.evaluate(async () => {
    for (;;) {
      const [objet] = await navigator.clipboard.read();
      if (objet && objet.types.includes('image/png')) return Array.from(new Uint8Array(await (await objet.getType('image/png')).arrayBuffer()));
      await new Promise((r) => setTimeout(r, 50));
    }
  });
  assert.deepEqual(taillePng(Buffer.from(copiée)), canevas);
  // PDF passe par l'impression.
  await menu(page, 'Fichier', 'Exporter la figure...');
  await modale(page);
  assert.deepEqual(await page.locator('dialog[open] select option').allTextContents(),
      ['Image PNG (*.png)', 'Image PNG, taille double (*.png)', 'Dessin SVG (*.svg)']);
  assert.deepEqual(page.erreurs, []);
});

// Ce que le papier montre quand l'action imprime, la page vue comme par l'imprimante.
async function imprimer(page, action) {
  const avant = await page.evaluate(() => window.impressions.length);
  await page.emulateMedia({media: 'print'});
  await action();
  await page.waitForFunction((n) => window.impressions.length > n, avant);
  await page.emulateMedia({media: 'screen'});
  return page.evaluate(() => window.impressions[window.impressions.length - 1]);
}

test('sur papier, la figure seule avec son titre, ou la feuille du score sans ses boutons', async () => {
  const page = await banc.ouvrir(undefined, préparer);
  await ouvrirTriangle(page);
  const canevas = await page.locator('#principale canvas').evaluate((c) => [c.clientWidth, c.clientHeight]);
  const figure = await imprimer(page, () => menu(page, 'Fichier', 'Imprimer la figure...'));
  assert.equal(figure.principale, false);
  assert.ok(figure.image, 'la figure est sur la page');
  // Le titre s'ajoute au-dessus du canevas : l'image est plus haute que lui.
  assert.equal(figure.image[0], canevas[0]);
  assert.ok(figure.image[1] > canevas[1]);

  await menu(page, 'Fichier', 'Fermer la figure');
  await page.getByRole('button', {name: /^Triangle rectangle/}).click();
  await modale(page);
  await page.keyboard.press('Enter');
  await sansModale(page);
  await page.getByRole('button', {name: 'Score'}).click();
  await modale(page);
  await page.locator('dialog[open] input').fill('Camille');
  const score = await imprimer(page, () => page.getByRole('button', {name: 'Imprimer'}).click());
  assert.equal(score.principale, false);
  assert.match(score.texte, /Score/);
  assert.deepEqual(score.champs, ['Camille']);
  for (const absent of ['Imprimer', 'Ok', '(si impression)', 'Score du jeu Velmor', 'Fichier']) {
    assert.ok(!score.texte.includes(absent), `${absent} n'est pas sur le papier`);
  }
  assert.deepEqual(page.erreurs, []);
});
