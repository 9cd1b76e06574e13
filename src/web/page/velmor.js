// La page de Velmor : elle range les évènements du navigateur dans une file que le programme attend, et
// réalise ce qu'il demande au système (dialogues, dessin du canevas, mesures, minuterie). Les textes vont
// toujours dans textContent ou un attribut, jamais en HTML.
'use strict';

var Velmor = (() => {
  const file = [];
  let réveil = null;
  let minuterie = 0;
  const contexteMesure = document.createElement('canvas').getContext('2d');

  function poster(évènement) {
    if (réveil) {
      const r = réveil;
      réveil = null;
      r(évènement);
    } else {
      file.push(évènement);
    }
  }

  function suivant() {
    télécharger();
    if (file.length) return Promise.resolve(file.shift());
    return new Promise((r) => { réveil = r; });
  }

  function numéroFenêtre(élément) {
    const f = élément.closest('[data-fenetre]');
    return f ? Number(f.dataset.fenetre) : 0;
  }

  // L'évènement d'un contrôle : sa fenêtre, son rang dans la déclaration, l'élément d'un tableau.
  function surContrôle(élément, genre, plus) {
    const c = élément.closest('[data-controle]');
    if (!c || c.disabled || c.getAttribute('aria-disabled') === 'true') return;
    poster(Object.assign({
      genre,
      fenetre: numéroFenêtre(c),
      controle: Number(c.dataset.controle),
      element: c.dataset.element === undefined ? -1 : Number(c.dataset.element),
    }, plus));
  }

  // Positions comptées en caractères, comme le modèle, et non en unités UTF-16.
  function caractères(texte, fin) {
    return Array.from(texte.slice(0, fin)).length;
  }

  function toucheZone(zone, texte) {
    surContrôle(zone, 'touche', {
      texte,
      debut: caractères(zone.value, zone.selectionStart),
      fin: caractères(zone.value, zone.selectionEnd),
    });
  }

  // « &Fichier » : la lettre qui suit « & » est la touche d'accès, soulignée ; « && » est un « & ». Le
  // texte se pose en nœuds de texte, jamais en HTML.
  function legende(contrôle, élément, texte) {
    élément.textContent = '';
    let accès = '';
    let morceau = '';
    for (let i = 0; i < texte.length; ++i) {
      if (texte[i] === '&' && i + 1 < texte.length) {
        ++i;
        if (texte[i] !== '&' && !accès) {
          accès = texte[i];
          élément.append(morceau);
          morceau = '';
          const u = document.createElement('u');
          u.textContent = accès;
          élément.append(u);
          continue;
        }
      }
      morceau += texte[i];
    }
    élément.append(morceau);
    if (accès) contrôle.dataset.acces = accès.toLowerCase();
    else delete contrôle.dataset.acces;
  }

  // Les flèches parcourent le menu ouvert ; Gauche et Droite passent au menu voisin de la barre.
  function naviguerMenu(e, ouvert) {
    const entrées = [...ouvert.children].filter((x) => x.matches('[role^=menuitem]:not([hidden])'));
    const ici = entrées.indexOf(document.activeElement);
    if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
      const pas = e.key === 'ArrowDown' ? 1 : -1;
      entrées[(ici + pas + entrées.length) % entrées.length].focus();
    } else if (e.key === 'ArrowLeft' || e.key === 'ArrowRight') {
      const barre = [...document.querySelectorAll('.barre-menus > [role^=menuitem]:not([hidden])')];
      const courant = barre.indexOf(document.querySelector('.barre-menus > [aria-expanded=true]'));
      const voisin = barre[(courant + (e.key === 'ArrowRight' ? 1 : -1) + barre.length) % barre.length];
      fermerMenus();
      ouvrirMenu(voisin);
    } else if (e.key.length === 1) {
      const entrée = entrées.find((x) => x.dataset.acces === e.key.toLowerCase());
      if (entrée) entrée.click();
    } else {
      return;
    }
    e.preventDefault();
  }

  function fermerMenus() {
    for (const m of document.querySelectorAll('.menu-deroulant')) m.hidden = true;
    for (const b of document.querySelectorAll('[aria-expanded="true"]')) b.setAttribute('aria-expanded', 'false');
  }

  function ouvrirMenu(bouton) {
    const menu = bouton.nextElementSibling;
    const ouvert = !menu.hidden;
    if (bouton.parentElement.getAttribute('role') === 'menubar') fermerMenus();
    if (ouvert) return;
    const dansBarre = bouton.parentElement.getAttribute('role') === 'menubar';
    menu.style.left = (dansBarre ? bouton.offsetLeft : bouton.offsetLeft + bouton.offsetWidth) + 'px';
    menu.style.top = (dansBarre ? bouton.offsetTop + bouton.offsetHeight : bouton.offsetTop) + 'px';
    menu.hidden = false;
    bouton.setAttribute('aria-expanded', 'true');
    const premier = menu.querySelector('[role^=menuitem]:not([disabled]):not([hidden])');
    if (premier) premier.focus();
  }

  function pointeur(e, genre) {
    const r = e.target.getBoundingClientRect();
    const boutons = genre === 'souris-bas'
      ? ({0: 1, 1: 4, 2: 2})[e.button] || 0
      : (e.buttons & 1 ? 1 : 0) | (e.buttons & 2 ? 2 : 0) | (e.buttons & 4 ? 4 : 0);
    surContrôle(e.target, genre, {
      x: e.clientX - r.left, y: e.clientY - r.top, largeur: r.width, hauteur: r.height, boutons,
    });
  }

  const flèches = {ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3};
  const codesFlèches = {ArrowLeft: 37, ArrowUp: 38, ArrowRight: 39, ArrowDown: 40};
  const commandes = {Enter: 13, Escape: 27, Backspace: 8};
  let composition = null;
  let survolé = null;

  function nomRaccourci(e) {
    return (e.ctrlKey ? 'Ctrl+' : '') + (e.altKey ? 'Alt+' : '') + (e.shiftKey ? 'Shift+' : '') +
        (e.key.length === 1 ? e.key.toUpperCase() : e.key);
  }

  function brancher() {
    document.addEventListener('click', (e) => {
      const menu = e.target.closest('[aria-haspopup]');
      if (menu) return ouvrirMenu(menu);
      const c = e.target.closest('[data-controle]');
      if (!e.target.closest('.menu-deroulant')) fermerMenus();
      if (!c || c.classList.contains('canevas-cadre')) return;
      // Un clic sur l'étiquette d'une option en fait un second sur son bouton : celui-là seul compte.
      if (c.tagName === 'LABEL' && e.target.tagName !== 'INPUT') return;
      if (c.getAttribute('role') === 'menuitem' || c.getAttribute('role') === 'menuitemcheckbox') fermerMenus();
      if (c.tagName === 'SELECT' || c.tagName === 'INPUT' || c.tagName === 'TEXTAREA') return;
      surContrôle(c, 'clic');
    });
    document.addEventListener('pointerover', (e) => {
      const c = e.target.closest('[data-controle]');
      if (c === survolé) return;
      survolé = c;
      if (c) surContrôle(c, 'survol');
      else if (e.target.closest('.fond')) poster({genre: 'survol-fenetre', fenetre: numéroFenêtre(e.target)});
    });
    document.addEventListener('focusin', (e) => {
      if (e.target.closest('[data-controle]') && !e.target.closest('[role=menubar]')) surContrôle(e.target, 'survol');
    });
    document.addEventListener('pointerdown', (e) => {
      if (e.target.tagName === 'CANVAS') {
        e.target.focus();
        pointeur(e, 'souris-bas');
      }
    });
    document.addEventListener('pointermove', (e) => {
      if (e.target.tagName === 'CANVAS') pointeur(e, 'souris-deplace');
    });
    document.addEventListener('contextmenu', (e) => {
      if (e.target.tagName === 'CANVAS') e.preventDefault();
    });
    document.addEventListener('change', (e) => {
      if (e.target.tagName === 'SELECT') surContrôle(e.target, 'choix', {ligne: e.target.selectedIndex});
    });
    document.addEventListener('beforeinput', (e) => {
      const zone = e.target;
      if (!zone.hasAttribute || !zone.hasAttribute('data-touche') || e.isComposing) return;
      if (e.inputType === 'insertText' && e.data) {
        e.preventDefault();
        toucheZone(zone, e.data);
      } else if (e.inputType === 'deleteContentBackward') {
        e.preventDefault();
        toucheZone(zone, '\b');
      }
    });
    document.addEventListener('input', (e) => {
      const zone = e.target;
      if (e.isComposing || !zone.closest('[data-controle]')) return;
      if (zone.tagName === 'INPUT' || zone.tagName === 'TEXTAREA') surContrôle(zone, 'changement', {texte: zone.value});
    });
    // Une touche morte ou un clavier à l'écran compose son texte dans la zone : le modèle ne voit que le
    // caractère final, tapé à l'endroit d'où la composition est partie.
    document.addEventListener('compositionstart', (e) => {
      const zone = e.target;
      if (zone.hasAttribute && zone.hasAttribute('data-touche')) {
        composition = {valeur: zone.value, début: zone.selectionStart, fin: zone.selectionEnd};
      }
    });
    document.addEventListener('compositionend', (e) => {
      const zone = e.target;
      if (!composition || !zone.hasAttribute('data-touche')) return;
      zone.value = composition.valeur;
      zone.setSelectionRange(composition.début, composition.fin);
      composition = null;
      if (e.data) toucheZone(zone, e.data);
    });
    document.addEventListener('keydown', (e) => {
      const cible = e.target;
      const modale = document.querySelector('dialog[open]');
      const menusOuverts = [...document.querySelectorAll('.menu-deroulant:not([hidden])')];
      if (e.key === 'Escape' && menusOuverts.length) {
        fermerMenus();
        return;
      }
      if (menusOuverts.length && !e.altKey && !e.ctrlKey) return naviguerMenu(e, menusOuverts[menusOuverts.length - 1]);
      // Alt et la lettre soulignée ouvrent un menu de la barre, comme au bureau.
      const barre = document.querySelector('#principale .barre-menus');
      if (e.altKey && !e.ctrlKey && e.key.length === 1 && barre && !document.querySelector('dialog[open]')) {
        const menu = barre.querySelector(`:scope > [data-acces="${CSS.escape(e.key.toLowerCase())}"]`);
        if (menu) {
          e.preventDefault();
          fermerMenus();
          return ouvrirMenu(menu);
        }
      }
      if (cible.tagName === 'CANVAS') {
        if (e.key in codesFlèches) {
          e.preventDefault();
          return surContrôle(cible, 'fleche-canevas', {code: codesFlèches[e.key]});
        }
        const code = commandes[e.key] || (e.key.length === 1 && !e.ctrlKey ? e.key.codePointAt(0) : 0);
        if (code) {
          e.preventDefault();
          return surContrôle(cible, 'touche-canevas', {code});
        }
      }
      if (cible.hasAttribute && cible.hasAttribute('data-touche') && (e.key === 'Enter' || e.key === 'Escape')) {
        e.preventDefault();
        return toucheZone(cible, e.key === 'Enter' ? '\r' : '\x1b');
      }
      if (cible.getAttribute && cible.getAttribute('role') === 'button') {
        if (e.key === ' ' || e.key === 'Enter') {
          e.preventDefault();
          return surContrôle(cible, 'clic');
        }
        if (e.key in flèches) {
          e.preventDefault();
          return surContrôle(cible, 'fleche', {sens: flèches[e.key]});
        }
      }
      if (modale) {
        const fenêtre = modale.querySelector('[data-fenetre]');
        const saisie = cible.tagName === 'TEXTAREA' && !cible.readOnly;
        if (fenêtre && e.key === 'Enter' && cible.tagName !== 'BUTTON' && !saisie) {
          e.preventDefault();
          poster({genre: 'defaut', fenetre: numéroFenêtre(fenêtre)});
        }
        return;
      }
      const principale = document.getElementById('principale');
      const raccourcis = principale && principale.raccourcis;
      const nom = nomRaccourci(e);
      if (raccourcis && nom in raccourcis) {
        e.preventDefault();
        poster({genre: 'clic', fenetre: Number(principale.dataset.fenetre), controle: raccourcis[nom], element: -1});
      }
    });
    // Une figure déposée sur la page s'ouvre comme par « Ouvrir une figure ».
    document.addEventListener('dragover', (e) => e.preventDefault());
    document.addEventListener('drop', async (e) => {
      e.preventDefault();
      const fichier = e.dataTransfer.files[0];
      if (!fichier || document.querySelector('dialog[open]')) return;
      const p = document.getElementById('principale');
      poster({genre: 'deposer', fenetre: Number(p.dataset.fenetre), chemin: await importer(fichier, p.limite)});
    });
    window.addEventListener('beforeunload', (e) => {
      if (Velmor.aPerdre) e.preventDefault();
    });
    window.addEventListener('resize', () => {
      const p = document.getElementById('principale');
      if (p) poster(taillePrincipale(Number(p.dataset.fenetre)));
    });
  }

  function taillePrincipale(numéro) {
    return {genre: 'taille', fenetre: numéro, largeur: window.innerWidth, hauteur: window.innerHeight};
  }

  function nouveauDialogue(numéro) {
    const dialogue = document.createElement('dialog');
    dialogue.className = 'modale';
    const titre = document.createElement('div');
    titre.className = 'titre';
    const corps = document.createElement('div');
    corps.className = 'fenetre corps';
    dialogue.append(titre, corps);
    dialogue.corps = corps;
    dialogue.addEventListener('cancel', (e) => {
      e.preventDefault();
      poster({genre: 'annuler', fenetre: numéro});
    });
    document.body.append(dialogue);
    return dialogue;
  }

  function poserFenetre(numéro, titre, fond, largeur, hauteur) {
    const fenêtre = document.querySelector(`[data-fenetre="${numéro}"]`);
    if (!fenêtre) return;
    (fenêtre.querySelector('.fond') || fenêtre).style.backgroundColor = fond;
    if (fenêtre.id === 'principale') {
      document.title = titre;
      return;
    }
    fenêtre.style.width = largeur + 'px';
    fenêtre.style.height = hauteur + 'px';
    fenêtre.previousElementSibling.textContent = titre;
    fenêtre.parentElement.setAttribute('aria-label', titre);
  }

  // Une boîte du système : un texte et « OK ».
  function messageSysteme(texte, titre) {
    return new Promise((fin) => {
      const d = document.createElement('dialog');
      d.className = 'modale systeme';
      const t = document.createElement('div');
      t.className = 'titre';
      t.textContent = titre;
      const p = document.createElement('p');
      p.textContent = texte;
      const ok = document.createElement('button');
      ok.textContent = 'OK';
      d.append(t, p, ok);
      d.setAttribute('aria-label', titre);
      const fermer = () => { d.close(); d.remove(); fin(null); };
      ok.addEventListener('click', fermer);
      d.addEventListener('cancel', (e) => { e.preventDefault(); fermer(); });
      document.body.append(d);
      d.showModal();
      ok.focus();
    });
  }

  // Le dialogue de fichiers de la page : les figures du dossier des documents, ou un nom à taper.
  // Les octets d'un fichier de l'ordinateur copiés dans le système de fichiers du programme, qui les lit
  // comme les autres : au-delà de la limite, un octet de plus suffit à ce qu'il refuse le fichier.
  async function importer(fichier, limite) {
    const octets = new Uint8Array(await fichier.slice(0, limite + 1).arrayBuffer());
    if (!FS.analyzePath('/importes').exists) FS.mkdir('/importes');
    const chemin = `/importes/${fichier.name.replace(/\//g, '_')}`;
    FS.writeFile(chemin, octets);
    return chemin;
  }

  // Une copie de la figure sauvegardée, écrite dès que le programme l'a écrite (il attend alors l'évènement
  // suivant) : dans le fichier choisi quand le navigateur sait en faire choisir un, sinon téléchargée.
  let àCopier = null;
  function télécharger() {
    if (!àCopier || !FS.analyzePath(àCopier.chemin).exists) return;
    const {chemin, poignée, jetable} = àCopier;
    àCopier = null;
    const nom = chemin.slice(chemin.lastIndexOf('/') + 1);
    const octets = FS.readFile(chemin);
    // Une image exportée n'est gardée que le temps de la copie.
    if (jetable) FS.unlink(chemin);
    if (!poignée) return téléchargerOctets(nom, octets);
    poignée.then(async (p) => {
      if (p === 'annulé') return;
      if (p === 'refusé') return téléchargerOctets(nom, octets);
      const flux = await p.createWritable();
      await flux.write(octets);
      await flux.close();
    }).catch(() => téléchargerOctets(nom, octets));
  }

  function téléchargerOctets(nom, octets) {
    const lien = document.createElement('a');
    lien.href = URL.createObjectURL(new Blob([octets], {type: 'application/octet-stream'}));
    lien.download = nom;
    document.body.append(lien);
    lien.click();
    lien.remove();
    setTimeout(() => URL.revokeObjectURL(lien.href), 10000);
  }

  // Le choix du fichier de la copie doit s'ouvrir dans le clic même qui l'a demandé.
  function choisirCopie(nom, type = {description: 'Figure du logiciel Velmor', accept: {'application/octet-stream': ['.lum']}}) {
    if (!window.showSaveFilePicker) return null;
    // Annuler le choix, c'est renoncer à la copie ; tout autre refus retombe sur le téléchargement.
    return window.showSaveFilePicker({suggestedName: nom, types: [type]})
      .catch((e) => (e.name === 'AbortError' ? 'annulé' : 'refusé'));
  }

  // Pour une image (image : ses types et le nom proposé), le nom tapé, le type choisi, et la copie
  // toujours : l'image n'a rien à faire dans le dossier des figures.
  function choisirFichier(titre, dossier, enregistrer, limite, image) {
    return new Promise((fin) => {
      const d = document.createElement('dialog');
      d.className = 'modale fichiers';
      d.setAttribute('aria-label', titre);
      const t = document.createElement('div');
      t.className = 'titre';
      t.textContent = titre;
      const liste = document.createElement('ul');
      let noms = [];
      try {
        if (!image) noms = Module.FS.readdir(dossier).filter((n) => n.toLowerCase().endsWith('.lum')).sort();
      } catch (erreur) { /* un dossier absent ne montre aucune figure */ }
      const nom = document.createElement('input');
      nom.setAttribute('aria-label', 'Nom du fichier');
      const valider = document.createElement('button');
      valider.textContent = enregistrer ? 'Enregistrer' : 'Ouvrir';
      const annuler = document.createElement('button');
      annuler.textContent = 'Annuler';
      const finir = (chemin) => { d.close(); d.remove(); fin(chemin); };
      const types = image && VelmorImages.choixTypes(image, nom);
      for (const n of noms) {
        const li = document.createElement('li');
        const b = document.createElement('button');
        b.textContent = n;
        b.addEventListener('click', () => { nom.value = n; if (!enregistrer) finir(dossier + '/' + n); });
        li.append(b);
        liste.append(li);
      }
      valider.addEventListener('click', () => {
        if (!nom.value) return;
        if (!image) return finir(dossier + '/' + nom.value);
        const {chemin, final, type} = VelmorImages.nomChoisi(image, nom.value, types.selectedIndex);
        àCopier = {chemin: final, poignée: choisirCopie(final.slice(final.lastIndexOf('/') + 1), type), jetable: true};
        finir({chemin, type: types.selectedIndex});
      });
      nom.addEventListener('keydown', (e) => { if (e.key === 'Enter') valider.click(); });
      annuler.addEventListener('click', () => finir(null));
      const plus = document.createElement('button');
      plus.textContent = enregistrer ? 'Télécharger une copie' : 'Depuis l\'ordinateur…';
      if (enregistrer) {
        plus.addEventListener('click', () => {
          if (!nom.value) return nom.focus();
          const chemin = dossier + '/' + (nom.value.toLowerCase().endsWith('.lum') ? nom.value : nom.value + '.lum');
          àCopier = {chemin, poignée: choisirCopie(chemin.slice(chemin.lastIndexOf('/') + 1))};
          finir(dossier + '/' + nom.value);
        });
      } else {
        // Le choix s'ouvre dans le clic même qui l'a demandé.
        const choix = document.createElement('input');
        choix.type = 'file';
        choix.accept = '.lum';
        choix.hidden = true;
        choix.addEventListener('change', async () => {
          if (choix.files.length) finir(await importer(choix.files[0], limite));
        });
        plus.addEventListener('click', () => choix.click());
        d.append(choix);
      }
      d.addEventListener('cancel', (e) => { e.preventDefault(); finir(null); });
      const pied = document.createElement('div');
      pied.className = 'pied';
      if (image) pied.append(nom, types, valider, annuler);
      else pied.append(nom, valider, plus, annuler);
      d.append(t, liste, pied);
      document.body.append(d);
      d.showModal();
      nom.focus();
    });
  }

  function mesurer(texte, taille) {
    contexteMesure.font = `${taille}pt ${getComputedStyle(document.body).fontFamily}`;
    const m = contexteMesure.measureText(texte);
    // Une petite marge, comme les étiquettes qui prennent la taille de leur texte.
    return {largeur: Math.ceil(m.width) + 4,
      hauteur: Math.ceil(m.fontBoundingBoxAscent + m.fontBoundingBoxDescent) + 2};
  }

  // Les marques arrivent en lignes de neuf nombres : genre (0 point, 1 trait, 2 trait droit), x1, y1,
  // x2, y2 en pixels CSS, rouge, vert, bleu, épaisseur.
  function dessiner(canevas, marques, fond) {
    const densité = window.devicePixelRatio || 1;
    const largeur = canevas.clientWidth;
    const hauteur = canevas.clientHeight;
    if (canevas.width !== Math.round(largeur * densité) || canevas.height !== Math.round(hauteur * densité)) {
      canevas.width = Math.round(largeur * densité);
      canevas.height = Math.round(hauteur * densité);
    }
    const g = canevas.getContext('2d');
    g.setTransform(densité, 0, 0, densité, 0, 0);
    tracer(g, marques, fond, largeur, hauteur);
  }

  function tracer(g, marques, fond, largeur, hauteur) {
    g.fillStyle = fond;
    g.fillRect(0, 0, largeur, hauteur);
    for (let i = 0; i + 8 < marques.length; i += 9) {
      const [genre, x1, y1, x2, y2, r, v, b, épaisseur] = marques.subarray(i, i + 9);
      const teinte = `rgb(${r},${v},${b})`;
      if (genre === 0) {
        g.fillStyle = teinte;
        g.beginPath();
        g.arc(x1, y1, Math.max(épaisseur, 1) / 2, 0, 2 * Math.PI);
        g.fill();
      } else if (genre === 2) {
        // Calé sur les pixels, un trait horizontal ou vertical reste net.
        const caler = (p) => (épaisseur % 2 ? Math.floor(p) + 0.5 : Math.round(p));
        const demi = épaisseur / 2;
        const ax = x1 === x2 ? caler(x1) : x1;
        const ay = y1 === y2 ? caler(y1) : y1;
        const bx = x1 === x2 ? ax : x2;
        const by = y1 === y2 ? ay : y2;
        g.fillStyle = teinte;
        g.fillRect(Math.min(ax, bx) - demi, Math.min(ay, by) - demi, Math.abs(bx - ax) + épaisseur,
            Math.abs(by - ay) + épaisseur);
      } else {
        g.strokeStyle = teinte;
        g.lineWidth = épaisseur;
        g.lineCap = 'round';
        g.beginPath();
        g.moveTo(x1, y1);
        g.lineTo(x2, y2);
        g.stroke();
      }
    }
  }

  return {
    legende, poster, suivant, brancher, taillePrincipale, nouveauDialogue, poserFenetre, messageSysteme,
    choisirFichier, mesurer, dessiner, tracer, téléchargerOctets,
    fenetrePrincipale(numéro, limite) {
      const p = document.getElementById('principale');
      p.dataset.fenetre = numéro;
      p.limite = limite;
      return p;
    },
    poserImage(bouton, nom, taille) {
      const image = document.createElement('span');
      image.className = `outil outil-${nom}`;
      image.style.width = image.style.height = taille + 'px';
      bouton.prepend(image);
    },
    // La médaille du score se dessine à la taille de son cadre, par-dessus sa couleur.
    poserMedaille(cadre) { cadre.classList.add('medaille'); },
    // Le focus va au premier arrêt de Tab, comme dans un dialogue du bureau, et non au premier élément
    // qui pourrait le prendre.
    montrerDialogue(d) {
      d.showModal();
      const premier = [...d.querySelectorAll('button, input, select, textarea, [tabindex="0"]')]
          .find((e) => e.tabIndex >= 0 && !e.disabled && !e.closest('[hidden]'));
      if (premier) premier.focus();
    },
    fermerDialogue(d) { d.close(); d.remove(); },
    ouvrirPage(adresse) {
      const page = window.open(adresse, '_blank');
      if (page) page.opener = null;
      return page !== null;
    },
    minuterie(ms) {
      clearInterval(minuterie);
      minuterie = ms > 0 ? setInterval(() => poster({genre: 'top', fenetre: -1}), ms) : 0;
    },
    quitter() {
      clearInterval(minuterie);
      document.body.textContent = '';
      const p = document.createElement('p');
      p.className = 'fin';
      p.textContent = 'Velmor est fermé. Rechargez la page pour le relancer.';
      document.body.append(p);
    },
    // Le programme attend sa première touche : l'instant, compté depuis le début de la navigation.
    pret() { document.body.dataset.pret = String(Math.round(performance.now())); },
  };
})();

// Le dossier des documents vit dans le navigateur (IndexedDB), relu avant le démarrage du programme ;
// les textes se mesurent une fois la police de la page chargée.
var Module = {
  preRun: [() => {
    FS.mkdir('/documents');
    FS.mount(IDBFS, {}, '/documents');
    addRunDependency('documents');
    FS.syncfs(true, () => removeRunDependency('documents'));
    addRunDependency('polices');
    // Une police n'est chargée que quand un texte s'en sert : toutes le sont avant la première mesure.
    Promise.allSettled([...document.fonts].map((f) => f.load())).then(() => {
      Velmor.brancher();
      removeRunDependency('polices');
    });
  }],
};
