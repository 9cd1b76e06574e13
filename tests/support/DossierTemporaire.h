// Un dossier vide pour un test, effacé avec son contenu à la fin du test.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

class DossierTemporaire {
public:
    DossierTemporaire()
    {
        std::string modèle = (std::filesystem::temp_directory_path() / "velmor-test-XXXXXX").string();
        if (::mkdtemp(modèle.data()) == nullptr)
            throw std::runtime_error("mkdtemp");
        chemin = modèle;
    }
    ~DossierTemporaire()
    {
        std::error_code erreur;
        std::filesystem::remove_all(chemin, erreur);
    }
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;

    const std::filesystem::path& Chemin() const { return chemin; }

    std::filesystem::path Écrire(const std::string& nom, std::string_view octets) const
    {
        const auto fichier = chemin / nom;
        std::ofstream(fichier, std::ios::binary)
            .write(octets.data(), static_cast<std::streamsize>(octets.size()));
        return fichier;
    }

private:
    std::filesystem::path chemin;
};

inline std::string LireTout(const std::filesystem::path& fichier)
{
    std::ifstream flux(fichier, std::ios::binary);
    return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
}
