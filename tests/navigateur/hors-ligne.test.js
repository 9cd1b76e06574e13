// Velmor sans réseau : la page en un fichier ouverte depuis le disque, et le site après une première visite,
// puis sa version suivante.
'use strict';
const assert = require('node:assert/strict');
const {execFileSync} = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const {after, before, test} = require('node:test');
const {racine, site, servir, lancer, sansModale, déposer} = require('./page.js');

let navigateur;
before(async () => { navigateur = await lancer(); });
after(() => navigateur.close());

const prête = (page) => page.waitForSelector('body[data-pret]', {state: 'attached'});
const polices = (page) => page.evaluate(() => [...document.fonts].map((f) => f.status));
const texteModale = (page, texte) =>
  page.waitForFunction((t) => document.querySelector('dialog[open]')?.innerText.includes(t), texte);

test('le fichier seul, ouvert du disque sans réseau, lit son aide, garde ses documents et ouvre une figure déposée', async () => {
  const contexte = await navigateur.newContext({viewport: {width: 1366, height: 768}});
  await contexte.route('**', (r) => (r.request().url().startsWith('file:') ? r.continue() : r.abort()));
  const page = await contexte.newPage();
  const adresse = `file://${path.join(racine, 'build/web/velmor.html')}`;
  // Hors la page elle-même, tout ce dont elle a besoin est en elle.
  const demandés = [];
  page.on('request', (r) => { if (!/^(data|blob):/.test(r.url())) demandés.push(r.url()); });
  const erreurs = [];
  page.on('pageerror', (e) => erreurs.push(e.message));
  await page.goto(adresse);
  await prête(page);
  assert.ok(!(await polices(page)).some((s) => s !== 'loaded'));

  await page.keyboard.press('F1');
  await texteModale(page, 'Bienvenue dans Velmor');
  await page.keyboard.press('Escape');
  await sansModale(page);

  // Le dossier des documents reste dans le navigateur, même pour une page ouverte d'un fichier (la
  // sauvegarde elle-même est vérifiée sur le site).
  await page.evaluate(() => new Promise((fin) => { FS.writeFile('/documents/gardé', 'x'); FS.syncfs(false, fin); }));
  await page.reload();
  await prête(page);
  assert.ok(await page.evaluate(() => FS.analyzePath('/documents/gardé').exists));

  await déposer(page, path.join(racine, 'tests/data/triangle-rectangle.lum'));
  await page.getByText('Figure du fichier : triangle-rectangle.lum', {exact: true}).waitFor();
  assert.deepEqual([...new Set(demandés)], [adresse]);
  assert.deepEqual(erreurs, []);
  await contexte.close();
});

// Une autre version du site : sa feuille de style change, et index.html et le service worker sont refaits
// comme à la construction.
function versionSuivante(dossier) {
  const suivante = `${dossier}-2`;
  fs.cpSync(dossier, suivante, {recursive: true});
  fs.appendFileSync(path.join(suivante, 'velmor.css'), 'body { --version: 2; }\n');
  const web = path.join(racine, 'src/web');
  execFileSync('cmake', [`-DSITE=${suivante}`, `-DPAGE=${web}/page/index.html`, `-DMODELE=${web}/service-worker.js.in`,
    '-P', `${web}/empreinte-site.cmake`]);
  return suivante;
}

// Le serveur arrêté, la page ne peut plus venir que du navigateur.
function arrêter(serveur) {
  serveur.closeAllConnections();
  return new Promise((fin) => serveur.close(fin));
}

test('le site marche hors ligne après une visite, et la version suivante se montre à la visite d\'après', {timeout: 60000}, async () => {
  const dossier = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'velmor-site-')), 'site');
  fs.cpSync(site, dossier, {recursive: true});
  let serveur = await servir(dossier);
  const port = serveur.address().port;
  const contexte = await navigateur.newContext();
  const page = await contexte.newPage();
  const version = () => page.evaluate(() => getComputedStyle(document.body).getPropertyValue('--version') || '1');
  const caches = () => page.evaluate(() => caches.keys());
  await page.goto(`http://127.0.0.1:${port}/`);
  await prête(page);
  await page.waitForFunction(() => navigator.serviceWorker.controller);
  const premiers = await caches();
  assert.equal(premiers.length, 1);

  await arrêter(serveur);
  await page.reload();
  await prête(page);
  assert.ok(!(await polices(page)).some((s) => s !== 'loaded'));

  serveur = await servir(versionSuivante(dossier), port);
  await page.reload();
  await prête(page);
  assert.equal(await version(), '2');
  // Le service worker de la nouvelle version la garde, et l'ancienne part.
  for (let k = premiers; k.length !== 1 || k[0] === premiers[0]; k = await caches()) await page.waitForTimeout(50);
  await arrêter(serveur);
  await page.reload();
  await prête(page);
  assert.equal(await version(), '2');
  await contexte.close();
  fs.rmSync(path.dirname(dossier), {recursive: true});
});
