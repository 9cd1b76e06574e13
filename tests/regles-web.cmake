# Les règles du code qui se construit aussi pour le navigateur (en tête de CMakeLists.txt), vérifiées aussi
# dans les fichiers que seule la construction de bureau compile : em++ ne les voit jamais.
# cmake -DSOURCE=<dépôt> -P regles-web.cmake
file(GLOB_RECURSE fichiers RELATIVE ${SOURCE} ${SOURCE}/src/*.cpp ${SOURCE}/src/*.h ${SOURCE}/tools/*.cpp
     ${SOURCE}/tools/*.h ${SOURCE}/tests/*.cpp ${SOURCE}/tests/*.h)
set(fautes 0)

function(interdire motif permis raison)
  foreach(fichier ${fichiers})
    if(NOT fichier MATCHES "${permis}")
      file(STRINGS ${SOURCE}/${fichier} lignes REGEX "${motif}")
      if(lignes)
        message("${fichier} : ${raison}")
        math(EXPR fautes "${fautes} + 1")
        set(fautes ${fautes} PARENT_SCOPE)
      endif()
    endif()
  endforeach()
endfunction()

interdire("std::ranges|std::views|<ranges>" "^$" "algorithme std::ranges, absent de libc++ 13")
# Le format n'existe que pour les doubles ; leurs lectures sans format, em++ les refuse à la compilation.
interdire("chars_format" "^src/model/TexteNombre\\." "to_chars d'un double hors de src/model/TexteNombre.cpp")
interdire("#include <Q|#include \"qt/"
          "^(src/qt/|tests/qt/|tools/ImagesFigures\\.|tools/PlateformeSansFenetre\\.|tests/tools/VelmorAnalyseImageTest)"
          "Qt hors de src/qt, tests/qt et des fichiers de --image")
if(fautes GREATER 0)
  message(FATAL_ERROR "${fautes} fichier(s) hors des règles de la construction web")
endif()
