# Écrit l'index.html et le service worker du site d'après l'empreinte de tous ses fichiers, qui nomme la
# version. Une nouvelle version change ainsi index.html, que le service worker va chercher sur le réseau
# d'abord, et le service worker lui-même, que le navigateur remplace alors.
# cmake -DSITE=dossier -DPAGE=index.html -DMODELE=service-worker.js.in -P empreinte-site.cmake
file(GLOB_RECURSE fichiers RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM fichiers index.html service-worker.js)
file(SHA256 ${PAGE} tout)
set(FICHIERS "  'index.html',\n")
foreach(fichier ${fichiers})
  file(SHA256 ${SITE}/${fichier} empreinte)
  string(APPEND tout "\n${fichier} ${empreinte}")
  string(APPEND FICHIERS "  '${fichier}',\n")
endforeach()
string(SHA256 EMPREINTE "${tout}")
string(SUBSTRING ${EMPREINTE} 0 16 EMPREINTE)
file(READ ${PAGE} index)
string(REPLACE "<head>" "<head>\n<meta name=\"velmor-version\" content=\"${EMPREINTE}\">" index "${index}")
file(WRITE ${SITE}/index.html "${index}")
configure_file(${MODELE} ${SITE}/service-worker.js @ONLY)
