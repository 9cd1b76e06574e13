// Le site construit, servi par un petit serveur local, ouvert dans le chromium de Debian.
'use strict';
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const {after, before} = require('node:test');
const { chromium } = require('playwright-core');

const racine = path.resolve(__dirname, '../..');
const site = process.env.VELMOR_SITE || path.join(racine, 'build/web/site');
const types = {'.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.svg': 'image/svg+xml', '.data': 'application/octet-stream',
  '.png': 'image/png', '.woff2': 'font/woff2', '.webmanifest': 'application/manifest+json'};

// Le site, ou un autre dossier ; un port donné sert une autre version à la même origine.
function servir(dossier = site, port = 0) {
  const serveur = http.createServer((requête, réponse) => {
    const chemin = path.join(dossier, decodeURIComponent(new URL(requête.url, 'http://x').pathname));
    const fichier = chemin.endsWith('/') ? path.join(chemin, 'index.html') : chemin;
    if (!fichier.startsWith(dossier) || !fs.existsSync(fichier)) {
      réponse.writeHead(404);
      return réponse.end();
    }
    réponse.writeHead(200, {'Content-Type': types[path.extname(fichier)] || 'application/octet-stream'});
    fs.createReadStream(fichier).pipe(réponse);
  });
  return new Promise((prêt) => serveur.listen(port, '127.0.0.1', () => prêt(serveur)));
}

async function lancer() {
  return chromium.launch({
    executablePath: process.env.VELMOR_CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--headless', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--no-first-run'],
  });
}

// Une page neuve sur le site, le programme prêt à recevoir les touches.
async function ouvrir(navigateur, serveur, taille = {width: 1366, height: 768}, avant = null) {
  const contexte = await navigateur.newContext({viewport: taille});
  const page = await contexte.newPage();
  if (avant) await page.addInitScript(avant);
  page.erreurs = [];
  page.on('pageerror', (e) => page.erreurs.push(e.message));
  await page.goto(`http://127.0.0.1:${serveur.address().port}/`);
  await page.waitForSelector('body[data-pret]', {state: 'attached'});
  return page;
}

const modale = (page) => page.waitForSelector('dialog[open]');
const sansModale = (page) => page.waitForSelector('dialog[open]', {state: 'detached'});

async function menu(page, ...chemin) {
  for (const entrée of chemin) await page.getByRole('menuitem', {name: entrée, exact: true}).click();
}

// Une figure lâchée sur la page, comme le navigateur la livre.
async function déposer(page, fichier) {
  const octets = Array.from(fs.readFileSync(fichier));
  await page.evaluate(([nom, o]) => {
    const transfert = new DataTransfer();
    transfert.items.add(new File([new Uint8Array(o)], nom));
    document.querySelector('.fond').dispatchEvent(new DragEvent('drop', {dataTransfer: transfert, bubbles: true}));
  }, [path.basename(fichier), octets]);
}

// Pour un fichier de tests : le site servi et chromium lancé avant le premier test, fermés après le dernier.
function bancDEssai() {
  const banc = {};
  before(async () => {
    banc.serveur = await servir();
    banc.navigateur = await lancer();
  });
  after(async () => {
    await banc.navigateur.close();
    banc.serveur.close();
  });
  banc.ouvrir = (...options) => ouvrir(banc.navigateur, banc.serveur, ...options);
  return banc;
}

module.exports = {bancDEssai, racine, site, servir, lancer, ouvrir, modale, sansModale, menu, déposer};
