// Mesures de la page (pas des tests) : les octets de la première fenêtre, compressés en brotli comme un
// serveur les enverrait ; l'ouverture, du début de la navigation à la fenêtre prête à prendre une touche
// (médiane de 5) ; une touche sur le canevas jusqu'à l'image redessinée (médiane de 20) ; la page en un
// fichier, ses octets et son ouverture depuis le disque. Budgets : 600 Ko, 500 ms, 16 ms ; 700 Ko en brotli
// pour le fichier seul.
// node bench/page.js, après make web et npm ci --prefix tests/navigateur.
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');
const {racine, servir, lancer, ouvrir} = require('../tests/navigateur/page.js');

const médiane = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];

const enBrotli = (octets) =>
  zlib.brotliCompressSync(octets, {params: {[zlib.constants.BROTLI_PARAM_QUALITY]: 11}}).length;

// Le service worker garde tout le site dès la première visite : elle en charge tous les fichiers.
function octetsPremièreFenêtre() {
  const site = path.join(racine, 'build/web/site');
  const fichiers = fs.readdirSync(site, {recursive: true}).filter((f) => fs.statSync(path.join(site, f)).isFile());
  let brut = 0;
  let brotli = 0;
  for (const f of fichiers) {
    const octets = fs.readFileSync(path.join(site, f));
    brut += octets.length;
    brotli += enBrotli(octets);
  }
  return {brut, brotli};
}

(async () => {
  const {brut, brotli} = octetsPremièreFenêtre();
  console.log(`octets de la première fenêtre : ${(brotli / 1024).toFixed(0)} Ko en brotli (${(brut / 1024).toFixed(0)} Ko bruts), budget 600 Ko`);
  const serveur = await servir();
  const navigateur = await lancer();
  const ouvertures = [];
  for (let i = 0; i < 5; ++i) {
    const page = await ouvrir(navigateur, serveur);
    ouvertures.push(Number(await page.getAttribute('body', 'data-pret')));
    await page.context().close();
  }
  console.log(`ouverture jusqu'à la fenêtre prête : ${médiane(ouvertures)} ms (médiane de 5), budget 500 ms`);

  const seul = path.join(racine, 'build/web/velmor.html');
  const octets = fs.readFileSync(seul);
  console.log(`page en un fichier : ${(octets.length / 1024).toFixed(0)} Ko, ${(enBrotli(octets) / 1024).toFixed(0)} Ko ` +
      'en brotli, budget 700 Ko en brotli');
  const ouverturesDisque = [];
  for (let i = 0; i < 5; ++i) {
    const contexte = await navigateur.newContext({viewport: {width: 1366, height: 768}});
    const page = await contexte.newPage();
    await page.goto(`file://${seul}`);
    await page.waitForSelector('body[data-pret]', {state: 'attached'});
    ouverturesDisque.push(Number(await page.getAttribute('body', 'data-pret')));
    await contexte.close();
  }
  console.log(`page en un fichier, ouverte du disque jusqu'à la fenêtre prête : ${médiane(ouverturesDisque)} ms ` +
      '(médiane de 5)');

  // Une figure de trois points ; les flèches choisissent un point, et le canevas se redessine.
  const page = await ouvrir(navigateur, serveur);
  for (const [x, y] of [['0', '0'], ['4', '0'], ['0', '3']]) {
    await page.getByRole('button', {name: 'Placer un point'}).click();
    await page.waitForSelector('dialog[open]');
    await page.focus('#SaisieX');
    await page.keyboard.type(x);
    await page.focus('#SaisieY');
    await page.keyboard.type(y);
    await page.keyboard.press('Enter');
    await page.waitForSelector('dialog[open]', {state: 'detached'});
  }
  const touches = await page.evaluate(async () => {
    const canevas = document.querySelector('canvas');
    canevas.focus();
    const dessiner = Velmor.dessiner;
    const durées = [];
    for (let i = 0; i < 20; ++i) {
      durées.push(await new Promise((fin) => {
        const début = performance.now();
        Velmor.dessiner = (...a) => {
          dessiner(...a);
          Velmor.dessiner = dessiner;
          const dessinée = performance.now() - début;
          requestAnimationFrame(() => fin([dessinée, performance.now() - début]));
        };
        canevas.dispatchEvent(new KeyboardEvent('keydown', {key: i % 2 ? 'ArrowUp' : 'ArrowDown', bubbles: true}));
      }));
    }
    return durées;
  });
  // L'image est prête à la fin du dessin ; elle s'affiche à la trame suivante, que le navigateur cale sur
  // l'écran (16,7 ms à 60 Hz).
  const dessinées = médiane(touches.map((t) => t[0]));
  const affichées = médiane(touches.map((t) => t[1]));
  console.log(`touche sur le canevas jusqu'à l'image dessinée : ${dessinées.toFixed(1)} ms, jusqu'à la trame ` +
      `suivante : ${affichées.toFixed(1)} ms (médianes de 20), budget 16 ms`);
  await navigateur.close();
  serveur.close();
})();
