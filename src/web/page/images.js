// L'image de la figure dans la page : peinte sur un <canvas> d'après ce que le programme en décrit (PNG,
// simple ou double, et copie), imprimée par le navigateur avec la feuille de style d'impression. Le dessin
// SVG vient tout fait du programme.
'use strict';

var VelmorImages = (() => {
  const dossier = '/exportees';

  // « Image PNG (*.png) » : l'extension entre parenthèses.
  function extension(type) {
    const trouvée = /\(\*(\.[^)]+)\)/.exec(type);
    return trouvée ? trouvée[1] : '';
  }

  // Le choix des types sous le nom, qui suit le type choisi quand le nom n'en porte pas.
  function choixTypes(image, nom) {
    const choix = document.createElement('select');
    choix.setAttribute('aria-label', 'Type');
    for (const type of image.types) choix.append(new Option(type));
    nom.value = image.nom;
    return choix;
  }

  // Le fichier que le programme écrira : une extension offerte tapée reste seule, sinon celle du type
  // choisi s'ajoute, comme il le fait lui-même.
  function nomChoisi(image, tapé, rang) {
    const nom = tapé.replace(/\//g, '_');
    const connue = image.types.map(extension).some((e) => e && nom.toLowerCase().endsWith(e));
    const final = nom + (connue ? '' : extension(image.types[rang]));
    const svg = final.toLowerCase().endsWith('.svg');
    if (!FS.analyzePath(dossier).exists) FS.mkdir(dossier);
    return {
      chemin: `${dossier}/${nom}`,
      final: `${dossier}/${final}`,
      type: svg ? {description: 'Dessin SVG', accept: {'image/svg+xml': ['.svg']}}
        : {description: 'Image PNG', accept: {'image/png': ['.png']}},
    };
  }

  // Chaque pixel de l'image en vaut agrandissement × agrandissement ; le texte prend la police de la page.
  function peindre(image, agrandissement) {
    const canevas = document.createElement('canvas');
    canevas.width = Math.ceil(image.largeur * agrandissement);
    canevas.height = Math.ceil(image.hauteur * agrandissement);
    const g = canevas.getContext('2d');
    g.setTransform(agrandissement, 0, 0, agrandissement, 0, 0);
    g.fillStyle = '#fff';
    g.fillRect(0, 0, image.largeur, image.hauteur);
    const police = getComputedStyle(document.body).fontFamily;
    const écrire = (t) => {
      g.font = `${t.gras ? 'bold ' : ''}${t.taille}px ${police}`;
      g.fillStyle = t.teinte;
      g.fillText(t.texte, t.x, t.base);
    };
    image.lignes.forEach(écrire);
    if (image.marques) {
      // Les étiquettes s'arrêtent au bord du canevas, comme à l'écran.
      g.save();
      g.translate(0, image.hautCanevas);
      g.beginPath();
      g.rect(0, 0, image.largeur, image.hauteurCanevas);
      g.clip();
      Velmor.tracer(g, image.marques, image.fond, image.largeur, image.hauteurCanevas);
      for (const e of image.etiquettes) {
        if (e.fond) {
          g.fillStyle = e.fond;
          g.fillRect(e.x, e.y, e.largeur, e.hauteur);
        }
        écrire(e);
      }
      g.restore();
    }
    return canevas;
  }

  function png(canevas) {
    return new Promise((fin, échec) => canevas.toBlob((b) => (b ? fin(b) : échec(new Error('PNG'))), 'image/png'));
  }

  // Faux si l'image n'a pas pu être faite ou écrite : le programme le dit.
  function enregistrerPng(image, agrandissement, chemin) {
    return png(peindre(image, agrandissement))
      .then(async (b) => {
        FS.writeFile(chemin, new Uint8Array(await b.arrayBuffer()));
        return true;
      })
      .catch(() => false);
  }

  // Sans presse-papiers d'images (ou s'il refuse), l'image est téléchargée.
  function copier(image) {
    const blob = png(peindre(image, 1));
    const télécharger = () => blob.then(async (b) =>
      Velmor.téléchargerOctets('Figure.png', new Uint8Array(await b.arrayBuffer())));
    if (!navigator.clipboard || !navigator.clipboard.write || !window.ClipboardItem) return télécharger();
    navigator.clipboard.write([new ClipboardItem({'image/png': blob})]).catch(télécharger);
  }

  // Le temps de l'impression, la feuille d'impression ne montre que la zone d'impression.
  function imprimer() {
    document.body.dataset.imprimer = '';
    window.print();
    return true;
  }

  window.addEventListener('afterprint', () => delete document.body.dataset.imprimer);

  function zone() {
    let z = document.getElementById('impression');
    if (!z) {
      z = document.createElement('div');
      z.id = 'impression';
      document.body.append(z);
    }
    return z;
  }

  async function imprimerFigure(svg) {
    const image = new Image();
    image.alt = 'Figure de Velmor';
    image.src = URL.createObjectURL(new Blob([svg], {type: 'image/svg+xml'}));
    try {
      await image.decode();
    } catch (erreur) {
      return false;
    }
    const z = zone();
    for (const ancienne of z.querySelectorAll('img')) URL.revokeObjectURL(ancienne.src);
    z.replaceChildren(image);
    return imprimer();
  }

  // La fenêtre telle que le programme vient de la préparer pour le papier, recopiée : le papier la garde
  // ainsi même si le navigateur imprime après que le programme lui a rendu son aspect (Safari).
  function imprimerFenetre(numéro) {
    const fenêtre = document.querySelector(`dialog [data-fenetre="${numéro}"]`);
    if (!fenêtre) return Promise.resolve(false);
    const copie = fenêtre.cloneNode(true);
    const champs = fenêtre.querySelectorAll('input, textarea');
    copie.querySelectorAll('input, textarea').forEach((c, i) => c.setAttribute('value', champs[i].value));
    // Une image inerte : ni identifiants en double, ni contrôles que la page reconnaîtrait.
    for (const e of [copie, ...copie.querySelectorAll('*')]) {
      for (const attribut of ['id', 'data-fenetre', 'data-controle', 'tabindex']) e.removeAttribute(attribut);
    }
    zone().replaceChildren(copie);
    return Promise.resolve(imprimer());
  }

  return {choixTypes, nomChoisi, enregistrerPng, copier, imprimerFigure, imprimerFenetre};
})();
