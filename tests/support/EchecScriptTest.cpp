// Sous GoogleTest, un script de la plateforme qui échoue fait échouer le test en cours.
#include "support/PlateformeScriptee.h"

#include <gtest/gtest.h>

void SignalerÉchecScript(const std::string& texte)
{
    ADD_FAILURE() << texte;
}
