// Servie par un site, la page s'installe et marche hors ligne après une première visite ; ouverte depuis un
// fichier, elle n'a rien à installer. Le service worker s'inscrit une fois la page chargée : sa copie du site
// ne dispute pas le réseau à la première ouverture.
'use strict';
if ('serviceWorker' in navigator && location.protocol !== 'file:') {
  window.addEventListener('load', () => {
    navigator.serviceWorker.register('service-worker.js').catch(() => { /* la page marche sans */ });
  });
}
