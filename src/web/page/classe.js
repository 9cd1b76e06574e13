// La vérification d'une classe, pour le professeur, hors des fenêtres de l'élève : les figures choisies
// (plusieurs fichiers, ou un dossier) sont jugées pour une cible par le programme de la page, qui écrit le
// tableau de velmor-analyse --cible NOM --csv. Rien ne quitte l'ordinateur.
'use strict';

// La demande faite au programme (velmor_verifier_classe) et ce qu'il y répond.
var VelmorClasse = {demande: null, resultat: null};

(() => {
  function élément(balise, propriétés = {}, ...enfants) {
    const e = Object.assign(document.createElement(balise), propriétés);
    e.append(...enfants);
    return e;
  }

  const titre = élément('h2', {id: 'classe-titre', textContent: 'Vérifier les figures d\'une classe'});
  const fichiers = élément('input', {type: 'file', multiple: true, accept: '.lum'});
  const dossier = élément('input', {type: 'file', webkitdirectory: true});
  const cible = élément('select');
  const légende = élément('caption');
  const entête = élément('thead');
  const corps = élément('tbody');
  const tableau = élément('div', {className: 'tableau', tabIndex: 0, hidden: true},
      élément('table', {}, légende, entête, corps));
  tableau.setAttribute('role', 'region');
  tableau.setAttribute('aria-labelledby', 'classe-titre');
  const état = élément('p', {className: 'etat'});
  état.setAttribute('role', 'status');
  const télécharger = élément('button', {type: 'button', disabled: true, textContent: 'Télécharger le tableau (CSV)'});
  const fermer = élément('button', {type: 'button', textContent: 'Fermer'});
  const dialogue = élément('dialog', {className: 'classe'}, titre,
      élément('p', {textContent: 'Les figures sont lues et jugées dans cette page, comme le fait velmor-analyse : ' +
          'rien n\'est envoyé.'}),
      élément('div', {className: 'choix'},
          élément('label', {}, 'Figures des élèves ', fichiers),
          élément('label', {}, 'ou tout un dossier ', dossier),
          élément('label', {}, 'Cible ', cible)),
      état, tableau, élément('div', {className: 'pied'}, télécharger, fermer));
  dialogue.setAttribute('aria-labelledby', 'classe-titre');
  const ouvrir = élément('button', {type: 'button', textContent: 'Vérifier les figures d\'une classe'});
  // Hors de la fenêtre principale, qui est le contenu de la page : un repère à part, pour le professeur.
  const coin = élément('aside', {className: 'lien-classe', hidden: true}, ouvrir, dialogue);
  coin.setAttribute('aria-label', 'Pour le professeur');

  // Les figures à juger : le nom choisi, relatif au dossier pour un dossier, dans l'ordre des noms.
  let choisies = [];
  let octetsCsv = null;
  let génération = 0;

  function choisir(liste, depuisDossier) {
    choisies = [...liste]
        .filter((f) => !depuisDossier || f.name.toLowerCase().endsWith('.lum'))
        .map((f) => ({nom: depuisDossier ? f.webkitRelativePath : f.name, fichier: f}))
        .sort((a, b) => a.nom.localeCompare(b.nom, 'fr', {numeric: true}));
    vérifier();
  }

  // Les fichiers passent par le lecteur du programme, depuis sa copie : au-delà de la limite, un octet de
  // plus suffit à ce qu'il la refuse, et un fichier que le navigateur n'a pas pu lire y est introuvable.
  async function vérifier() {
    const numéro = ++génération;
    const limite = Module.tailleMaxFichier;
    const lus = await Promise.all(choisies.map((c) => c.fichier.slice(0, limite + 1).arrayBuffer().catch(() => null)));
    if (numéro !== génération) return;
    if (!FS.analyzePath('/classe').exists) FS.mkdir('/classe');
    const copies = choisies.map((c, i) => [c.nom, `/classe/${i}`]);
    lus.forEach((octets, i) => { if (octets) FS.writeFile(copies[i][1], new Uint8Array(octets)); });
    VelmorClasse.demande = {fichiers: copies, cible: cible.value};
    Module._velmor_verifier_classe();
    for (const [, chemin] of copies) if (FS.analyzePath(chemin).exists) FS.unlink(chemin);
    montrer(VelmorClasse.resultat);
    VelmorClasse.demande = VelmorClasse.resultat = null;
  }

  function montrer({colonnes, lignes, octets}) {
    octetsCsv = octets;
    légende.textContent = `Cible : ${cible.value}`;
    entête.replaceChildren(élément('tr', {}, ...colonnes.map((c) => élément('th', {scope: 'col', textContent: c}))));
    corps.replaceChildren(...lignes.map((cellules) =>
      élément('tr', {}, ...cellules.map((c) => élément('td', {textContent: c})))));
    tableau.hidden = lignes.length === 0;
    télécharger.disabled = lignes.length === 0;
    état.textContent = lignes.length ? `${lignes.length} ${lignes.length > 1 ? 'figures jugées' : 'figure jugée'}.`
      : 'Aucune figure choisie.';
  }

  fichiers.addEventListener('change', () => choisir(fichiers.files, false));
  dossier.addEventListener('change', () => choisir(dossier.files, true));
  cible.addEventListener('change', vérifier);
  télécharger.addEventListener('click', () => Velmor.téléchargerOctets(`classe-${cible.value}.csv`, octetsCsv));
  fermer.addEventListener('click', () => dialogue.close());
  ouvrir.addEventListener('click', () => dialogue.showModal());

  // Les cibles sont celles du jeu, que le programme donne une fois chargé.
  Module.onRuntimeInitialized = () => {
    cible.append(...Module.ciblesDuJeu().map((nom) => élément('option', {textContent: nom})));
    coin.hidden = false;
  };
  document.body.append(coin);
})();
