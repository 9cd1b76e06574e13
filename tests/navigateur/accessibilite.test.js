// axe-core relit la page là où un élève passe le plus de temps.
'use strict';
const assert = require('node:assert/strict');
const path = require('node:path');
const {test} = require('node:test');
const {bancDEssai, racine, modale, sansModale, déposer} = require('./page.js');

const axe = require.resolve('axe-core/axe.min.js');
const banc = bancDEssai();

// Les fautes graves que trouve axe-core, une ligne chacune : règle et élément. Ce qu'il ne sait pas
// trancher compte aussi : un attribut ARIA interdit y tombe.
async function fautesGraves(page) {
  await page.addScriptTag({path: axe});
  const résultat = await page.evaluate(() => axe.run(document));
  return [...résultat.violations, ...résultat.incomplete]
      .filter((v) => v.impact === 'serious' || v.impact === 'critical')
      .flatMap((v) => v.nodes.map((n) => `${v.id} : ${n.target.join(' ')}`));
}

test('la fenêtre principale, le dialogue des coordonnées, l\'analyse et le jeu passent axe-core', async () => {
  const page = await banc.ouvrir();
  const fautes = {};
  fautes['fenêtre principale'] = await fautesGraves(page);
  // La légende d'un bouton à image se lit à côté de son image, pas par-dessus.
  assert.equal(await page.getByRole('button', {name: 'Tout', exact: true}).count(), 1);
  assert.deepEqual(await page.locator('.outil').allTextContents(), ['', '', '', '']);

  await page.getByRole('button', {name: 'Placer un point'}).click();
  await modale(page);
  fautes['coordonnées'] = await fautesGraves(page);
  await page.keyboard.press('Escape');
  await sansModale(page);

  await déposer(page, path.join(racine, 'tests/data/triangle-rectangle.lum'));
  await page.getByText(/^Figure du fichier/).waitFor();
  await page.getByRole('button', {name: 'Analyse'}).click();
  await modale(page);
  fautes['analyse'] = await fautesGraves(page);
  await page.keyboard.press('Escape');
  await sansModale(page);

  // Une cible se choisit sur une figure libre.
  const jeu = await banc.ouvrir();
  await jeu.getByRole('button', {name: /^Triangle rectangle/}).click();
  await modale(jeu);
  fautes['choix de la cible'] = await fautesGraves(jeu);
  await jeu.keyboard.press('Enter');
  await sansModale(jeu);
  fautes['jeu'] = await fautesGraves(jeu);

  for (const moment in fautes) assert.deepEqual(fautes[moment], [], moment);
  assert.deepEqual([...page.erreurs, ...jeu.erreurs], []);
});
