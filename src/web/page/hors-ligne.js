// Servie par un site, la page s'installe et marche hors ligne après une première visite ; ouverte depuis un
// fichier, elle n'a rien à installer.
'use strict';
if ('serviceWorker' in navigator && location.protocol !== 'file:') {
  navigator.serviceWorker.register('service-worker.js').catch(() => { /* la page marche sans */ });
}
