// La page en un seul fichier : chaque script, feuille de style et image que la page nomme y entre, les
// images et les polices en adresses data:. Un fichier se cherche dans les dossiers donnés, dans l'ordre : le
// premier, celui du module en un fichier, passe avant le site.
// node en-un-fichier.js index.html sortie.html dossier...
'use strict';
const fs = require('node:fs');
const path = require('node:path');

const [page, sortie, ...dossiers] = process.argv.slice(2);
const types = {'.css': 'text/css', '.js': 'text/javascript', '.svg': 'image/svg+xml', '.png': 'image/png',
  '.woff2': 'font/woff2', '.ico': 'image/x-icon'};

function lire(nom) {
  const trouvé = dossiers.map((d) => path.join(d, nom)).find((f) => fs.existsSync(f));
  if (!trouvé) throw new Error(`${nom} : introuvable dans ${dossiers.join(', ')}`);
  return fs.readFileSync(trouvé);
}

function adresse(nom) {
  const type = types[path.extname(nom)];
  if (!type) throw new Error(`${nom} : type inconnu`);
  return `data:${type};base64,${lire(nom).toString('base64')}`;
}

const externe = (a) => /^(data:|[a-z]+:\/\/|#)/i.test(a);
const attribut = (balise, nom) => (balise.match(new RegExp(`\\s${nom}\\s*=\\s*["']?([^"'\\s>]+)`, 'i')) || [])[1];

// Les adresses d'une feuille de style sont relatives à son dossier.
function feuille(nom) {
  const dossier = path.posix.dirname(nom);
  return lire(nom).toString('utf8').replace(/url\(\s*(["']?)([^"')]+)\1\s*\)/g, (tout, guillemet, a) =>
    (externe(a) ? tout : `url("${adresse(path.posix.join(dossier, a))}")`));
}

// Un texte dans <script> ou <style> ne doit pas pouvoir fermer sa balise.
const enfermer = (texte, balise) => texte.replace(new RegExp(`</(${balise})`, 'gi'), '<\\/$1');

const html = fs.readFileSync(page, 'utf8')
  .replace(/<script\b([^>]*)\bsrc\s*=\s*["']?([^"'\s>]+)["']?([^>]*)>\s*<\/script>/gi, (tout, avant, nom, après) =>
    (externe(nom) ? tout : `<script${avant}${après}>${enfermer(lire(nom).toString('utf8'), 'script')}</script>`))
  .replace(/<link\b[^>]*>/gi, (balise) => {
    const rel = (attribut(balise, 'rel') || '').toLowerCase();
    const nom = attribut(balise, 'href');
    if (!nom || externe(nom)) return balise;
    // Un fichier seul ne s'installe pas : son manifeste n'a pas de sens.
    if (rel === 'manifest') return '';
    if (rel === 'stylesheet') return `<style>${enfermer(feuille(nom), 'style')}</style>`;
    return balise.replace(nom, adresse(nom));
  })
  .replace(/<img\b[^>]*>/gi, (balise) => {
    const nom = attribut(balise, 'src');
    return !nom || externe(nom) ? balise : balise.replace(nom, adresse(nom));
  });
fs.writeFileSync(sortie, html);
