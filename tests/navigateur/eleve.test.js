// Ce qu'un élève fait dans la page, au clavier comme à la souris, comparé au bureau quand le résultat est
// un texte ou un fichier.
'use strict';
const assert = require('node:assert/strict');
const {execFileSync} = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const {test} = require('node:test');
const {bancDEssai, racine, modale, sansModale, menu, déposer} = require('./page.js');

const outil = process.env.VELMOR_ANALYSE || path.join(racine, 'build/dev/tools/velmor-analyse');
const banc = bancDEssai();

const texteModale = (page) => page.locator('dialog[open]').innerText();

// « M (x,y) » par Espace, les zones par leur nom, Entrée, jusqu'au dialogue refermé.
async function point(page, x, y) {
  await page.getByRole('button', {name: 'Placer un point'}).focus();
  await page.keyboard.press('Space');
  await modale(page);
  await page.focus('#SaisieX');
  await page.keyboard.type(x);
  await page.focus('#SaisieY');
  await page.keyboard.type(y);
  await page.keyboard.press('Enter');
  await sansModale(page);
}

async function polygone(page, noms) {
  await page.getByRole('button', {name: 'Trace une ligne brisée'}).focus();
  await page.keyboard.press('Enter');
  await modale(page);
  await page.keyboard.type(noms);
  await page.keyboard.press('Enter');
  await sansModale(page);
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

// « Sauvegarder une figure » sous ce nom, jusqu'à « Figure sauvegardée ! ».
async function sauvegarder(page, nom) {
  await menu(page, 'Fichier', 'Sauvegarder une figure');
  await modale(page);
  await page.keyboard.type(nom);
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.querySelector('dialog[open]')?.innerText.includes('Figure sauvegardée !'));
  await page.keyboard.press('Enter');
  await sansModale(page);
}

test('une figure placée au clavier s\'analyse et se sauvegarde comme au bureau', async () => {
  const page = await banc.ouvrir();
  for (const [x, y] of [['0', '0'], ['2*2', '0'], ['0', '2,5']]) await point(page, x, y);
  await polygone(page, 'ABC');

  await page.getByRole('button', {name: 'Analyse'}).click();
  await modale(page);
  const phrase = await page.locator('dialog[open] textarea').inputValue();
  await page.keyboard.press('Escape');
  await sansModale(page);
  const longueurs = await mesures(page, 'Affiche les longueurs des côtés');
  const angles = await mesures(page, 'Affiche la mesure des angles');

  await sauvegarder(page, 'triangle');
  const octets = await page.evaluate(() => Array.from(FS.readFile('/documents/Velmor/triangle.lum')));
  const dossier = fs.mkdtempSync(path.join(os.tmpdir(), 'velmor-page-'));
  const fichier = path.join(dossier, 'triangle.lum');
  fs.writeFileSync(fichier, Buffer.from(octets));
  const bureau = JSON.parse(execFileSync(outil, ['--json', fichier], {encoding: 'utf8'}));
  fs.rmSync(dossier, {recursive: true});

  assert.equal(phrase.trim(), `${bureau.description}.`);
  // Le lecteur d'écran lit la figure dans le texte du canevas.
  assert.equal(await page.locator('canvas').textContent(),
      `Points : A(0 ; 0), B(2*2 ; 0), C(0 ; 2,5). Polygone ABC. ${bureau.description}.`);
  assert.deepEqual(longueurs, bureau.longueurs.map((l) => l.texte));
  assert.deepEqual(angles, bureau.angles.map((a) => a.texte));
  assert.deepEqual(page.erreurs, []);
});

test('le dialogue des coordonnées refuse un calcul, puis accepte le calcul corrigé', async () => {
  const page = await banc.ouvrir();
  // Ouvert par le menu au clavier : Alt et la lettre soulignée, puis celle de la commande.
  await page.keyboard.press('Alt+l');
  await page.keyboard.press('p');
  await modale(page);
  await page.focus('#SaisieX');
  await page.keyboard.type('RAC(-4)');
  await page.focus('#SaisieY');
  await page.keyboard.type('1');
  await page.keyboard.press('Enter');
  // La boîte du refus s'ouvre par-dessus le dialogue, qui reste ouvert derrière elle.
  await page.waitForFunction(() => document.querySelectorAll('dialog[open]').length === 2);
  const refus = await page.locator('dialog[open]').last().innerText();
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.querySelectorAll('dialog[open]').length === 1);
  // Le caractère fautif est choisi : l'effacement l'ôte.
  assert.equal(await page.evaluate(() => document.activeElement.id), 'SaisieX');
  await page.keyboard.press('Backspace');
  assert.equal(await page.inputValue('#SaisieX'), 'RAC(4)');
  await page.keyboard.press('Enter');
  await sansModale(page);
  assert.match(refus, /négatif|racine/i);
  assert.equal(await page.locator('#principale .etiquette:not([hidden])', {hasText: /^A$/}).count(), 1);
  assert.deepEqual(page.erreurs, []);
  // Le point n'est pas sauvegardé : le navigateur demande avant de fermer l'onglet.
  const question = new Promise((r) => page.once('dialog', (d) => { r(d.type()); d.dismiss(); }));
  await page.close({runBeforeUnload: true});
  assert.equal(await question, 'beforeunload');
});

test('un nom de fichier qui ressemble à du HTML se lit tel quel', async () => {
  const page = await banc.ouvrir();
  const nom = '<img src=x onerror=alert(1)>.lum';
  const triangle = Array.from(fs.readFileSync(path.join(racine, 'tests/data/triangle-rectangle.lum')));
  await page.evaluate(([n, octets]) => {
    if (!FS.analyzePath('/documents/Velmor').exists) FS.mkdir('/documents/Velmor');
    FS.writeFile(`/documents/Velmor/${n}`, new Uint8Array(octets));
  }, [nom, triangle]);
  let alerte = false;
  page.on('dialog', (d) => { alerte = true; d.dismiss(); });
  await menu(page, 'Fichier', 'Ouvrir une figure');
  await modale(page);
  await page.getByRole('button', {name: nom}).click();
  await page.waitForFunction(() => document.querySelector('dialog[open]')?.innerText.includes('va être ouverte'));
  assert.ok((await texteModale(page)).includes(`«${nom}»`));
  await page.keyboard.press('Enter');
  await sansModale(page);
  await page.getByText(`Figure du fichier : ${nom}`, {exact: true}).waitFor();
  assert.equal(await page.locator('img[src=x]').count(), 0);
  assert.equal(alerte, false);
});

test('une figure sauvegardée reste dans la liste après le rechargement, puis Velmor se ferme', async () => {
  const page = await banc.ouvrir();
  await point(page, '1', '1');
  await sauvegarder(page, 'gardée');
  // Sauvegardée, la figure ne fait plus poser de question.
  page.on('dialog', (d) => assert.fail(`question inattendue : ${d.type()}`));
  await page.reload();
  await page.waitForSelector('body[data-pret]', {state: 'attached'});
  await menu(page, 'Fichier', 'Ouvrir une figure');
  await modale(page);
  assert.ok(await page.getByRole('button', {name: 'gardée.lum'}).isVisible());
  // Quitter laisse une page de fin, sans question : la figure est sauvegardée. Échap referme le choix du
  // fichier, puis la fenêtre des fichiers.
  await page.keyboard.press('Escape');
  await page.waitForFunction(() => !document.querySelector('dialog.fichiers'));
  await page.keyboard.press('Escape');
  await sansModale(page);
  await page.keyboard.press('Control+q');
  await page.getByText('Velmor est fermé. Rechargez la page pour le relancer.').waitFor();
});

// La copie va dans le fichier que l'élève choisit, ou se télécharge quand le navigateur ne sait pas en
// faire choisir un.
const choixCopie = {
  'dans le fichier choisi': () => {
    window.showSaveFilePicker = async ({suggestedName}) => ({
      createWritable: async () => {
        const morceaux = [];
        return {write: async (o) => morceaux.push(o), close: async () => {
          window.copie = {nom: suggestedName, octets: [...new Uint8Array(await new Blob(morceaux).arrayBuffer())]};
        }};
      },
    });
  },
  'téléchargée': () => { window.showSaveFilePicker = undefined; },
};

for (const [cas, avant] of Object.entries(choixCopie)) {
  test(`une figure du bureau ouverte depuis l'ordinateur se copie à l'identique, ${cas}`, async () => {
    const page = await banc.ouvrir(undefined, avant);
    const bureau = path.join(racine, 'tests/data/triangle-rectangle.lum');
    await menu(page, 'Fichier', 'Ouvrir une figure');
    await modale(page);
    const [choix] = await Promise.all([page.waitForEvent('filechooser'),
      page.getByRole('button', {name: 'Depuis l\'ordinateur…'}).click()]);
    await choix.setFiles(bureau);
    await page.waitForFunction(() => document.querySelector('dialog[open]')?.innerText.includes('va être ouverte'));
    await page.keyboard.press('Enter');
    await sansModale(page);
    await menu(page, 'Fichier', 'Sauvegarder une figure');
    await modale(page);
    await page.keyboard.type('copie');
    const téléchargé = cas === 'téléchargée' ? page.waitForEvent('download') : null;
    await page.getByRole('button', {name: 'Télécharger une copie'}).click();
    await page.waitForFunction(() => document.querySelector('dialog[open]')?.innerText.includes('«copie.lum»'));
    await page.keyboard.press('Enter');
    let nom;
    let copie;
    if (téléchargé) {
      const téléchargement = await téléchargé;
      nom = téléchargement.suggestedFilename();
      copie = fs.readFileSync(await téléchargement.path());
    } else {
      const écrite = await (await page.waitForFunction(() => window.copie)).jsonValue();
      nom = écrite.nom;
      copie = Buffer.from(écrite.octets);
    }
    assert.equal(nom, 'copie.lum');
    assert.ok(copie.equals(fs.readFileSync(bureau)));
  });
}

test('une touche morte du clavier français tape un seul « ê »', async () => {
  const page = await banc.ouvrir();
  await page.getByRole('button', {name: 'Placer un point'}).focus();
  await page.keyboard.press('Space');
  await modale(page);
  await page.focus('#SaisieX');
  // Comme le navigateur la livre : « Dead », la composition de « ^ », puis le texte composé.
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('Input.dispatchKeyEvent', {type: 'keyDown', key: 'Dead', code: 'BracketLeft', windowsVirtualKeyCode: 229});
  await cdp.send('Input.imeSetComposition', {text: '^', selectionStart: 1, selectionEnd: 1});
  await cdp.send('Input.dispatchKeyEvent', {type: 'keyUp', key: 'Dead', code: 'BracketLeft'});
  await cdp.send('Input.insertText', {text: 'ê'});
  await page.keyboard.type('2');
  assert.equal(await page.inputValue('#SaisieX'), 'ê2');
  assert.deepEqual(page.erreurs, []);
});

test('une figure déposée s\'ouvre, sauf quand « Ouvrir une figure » est éteint', async () => {
  const triangle = path.join(racine, 'tests/data/triangle-rectangle.lum');
  const page = await banc.ouvrir();
  // Pendant une cible, « Ouvrir une figure » est éteint : le dépôt est refusé.
  await page.getByRole('button', {name: /^Triangle rectangle/}).click();
  await modale(page);
  await page.keyboard.press('Enter');
  await sansModale(page);
  assert.ok(await page.getByRole('menuitem', {name: 'Ouvrir une figure', includeHidden: true}).isDisabled());
  await déposer(page, triangle);
  await page.getByRole('button', {name: 'Placer un point'}).click();
  await modale(page);
  await page.keyboard.press('Escape');
  await sansModale(page);
  // Le dépôt est passé avant le dialogue : la figure n'a pas été ouverte.
  assert.equal(await page.getByText(/^Figure du fichier/).count(), 0);
  await page.context().close();

  const libre = await banc.ouvrir();
  await déposer(libre, triangle);
  await libre.getByText('Figure du fichier : triangle-rectangle.lum', {exact: true}).waitFor();
  // Sauvegardée, elle va dans le dossier que le navigateur garde, pas à côté de sa copie passagère.
  await sauvegarder(libre, 'deposee');
  assert.ok(await libre.evaluate(() => FS.analyzePath('/documents/Velmor/deposee.lum').exists));
  assert.deepEqual(libre.erreurs, []);
});
