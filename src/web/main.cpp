// Velmor dans la page : la fenêtre principale et ses dialogues, servis par PlateformeWeb. main ne rend
// jamais la main : sa pile tient le programme, suspendue entre deux évènements de la page.
#include "model/Modulebas.h"
#include "ui/Korvane.h"
#include "web/PlateformeWeb.h"

#include <sys/stat.h>

int main()
{
    // Le masque d'emscripten part de 0777 : une figure sauvegardée naîtrait sans aucun droit, illisible.
    ::umask(022);
    Modulebas m;
    PlateformeWeb plateforme;
    Korvane korvane(m, plateforme);
    plateforme.Lancer(korvane);
}
