#include "files/ClassLireAide.h"
#include "files/SommaireAide.h"

#include "support/DossierTemporaire.h"
#include "support/MessagerieEnregistree.h"

#include <gtest/gtest.h>

namespace {

const auto CheminAideLivrée =
    std::filesystem::path(VELMOR_DONNEES_TESTS) / ".." / ".." / "data" / "Velmor.dat";

} // namespace

TEST(AideVelmor, ChaqueRubriqueDuSommaireSeLit)
{
    const auto sommaire = LireSommaireAide(CheminAideLivrée);
    EXPECT_FALSE(sommaire.Message);
    ASSERT_FALSE(sommaire.Titres.empty());
    EXPECT_EQ(sommaire.Titres[0], "Aide");
    EXPECT_GE(sommaire.NbRubriques(), 10);
    EXPECT_LE(sommaire.NbRubriques(), 15);

    Modulebas m;
    MessagerieEnregistrée messagerie;
    ClassLireAide lecteur(m, messagerie);
    lecteur.CheminAide(CheminAideLivrée);
    for (std::size_t k = 1; k < sommaire.Titres.size(); ++k) {
        SCOPED_TRACE(sommaire.Titres[k]);
        lecteur.ChaîneBalise(sommaire.Titres[k]);
        const auto texte = lecteur.ChaîneAide();
        EXPECT_GT(texte.size(), 200u);
        EXPECT_EQ(texte.find('<' + sommaire.Titres[k]), std::string::npos);
    }
    EXPECT_TRUE(messagerie.Messages.empty());
}

TEST(AideVelmor, EstEnWindows1252AvecDesFinsDeLigneCRLF)
{
    const auto octets = LireTout(CheminAideLivrée);
    ASSERT_FALSE(octets.empty());
    for (std::size_t i = 0; i < octets.size(); ++i) {
        if (octets[i] == '\n') {
            ASSERT_TRUE(i > 0 && octets[i - 1] == '\r') << "octet " << i;
        }
    }
    EXPECT_TRUE(octets.ends_with("</Aide>\r\n"));
    // Les accents sont des octets seuls : un « é » en UTF-8 (C3 A9) serait un « Ã© » à l'écran.
    EXPECT_EQ(octets.find("\xC3\xA9"), std::string::npos);
    EXPECT_NE(octets.find("\xE9"), std::string::npos);
}
