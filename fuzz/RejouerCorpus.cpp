// Rejoue chaque fichier d'un corpus de fuzz par le point d'entrée de sa cible, sans libFuzzer : une entrée
// qui a fait tomber le programme reste dans le corpus et la suite ordinaire la repasse.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille);

int main(int argc, char* argv[])
{
    std::size_t rejoués = 0;
    for (int i = 1; i < argc; ++i) {
        std::vector<std::filesystem::path> fichiers;
        if (std::filesystem::is_directory(argv[i])) {
            for (const auto& entrée : std::filesystem::directory_iterator(argv[i]))
                fichiers.push_back(entrée.path());
        } else {
            fichiers.emplace_back(argv[i]);
        }
        for (const auto& fichier : fichiers) {
            std::ifstream flux(fichier, std::ios::binary);
            if (!flux) {
                std::fprintf(stderr, "rejouer : %s illisible\n", fichier.c_str());
                return 1;
            }
            const std::string octets{std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(octets.data()), octets.size());
            ++rejoués;
        }
    }
    std::printf("%zu entrées rejouées sans plantage\n", rejoués);
    return rejoués > 0 ? 0 : 1;
}
