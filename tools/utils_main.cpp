// vorlane_utils: loads the configuration file and runs the commands of its
// command line, always in the same order: header of name constants, compact
// delivery, tree delivery, extraction of an archive.
#include <cstdio>
#include <cstring>

#include "engine/archive/delivery.h"
#include "engine/config/config_reader.h"
#include "engine/config/config_writer.h"

namespace {
constexpr int kSettingSize = 256;  // 255 characters and a terminator

struct ToolSettings {
    char configPath[kSettingSize] = "vorlane.dat";
    char headerPath[kSettingSize] = "src_scen\\vorl_res.h";
    char archivePath[kSettingSize] = "livraison\\vorlane.cre";  // shared by -GR and -GX
    char listPath[kSettingSize] = "livraison\\vorl_res.h";
    bool header = false;
    bool compact = false;
    bool tree = false;
    bool extract = false;
};

void PrintUsage(const char* program)
{
    std::printf("Usage : %s <-H> <-CFich config> <-GCommande>\n", program);
    std::printf("-H : Usage\n");
    std::printf("-C<Fich config>         : Fichier de config a lire: \n");
    std::printf("                          vorlane.dat par defaut\n");
    std::printf("-G Commande:\n");
    std::printf("-GH<Fich.h a generer>   : Fichier de header h a generer: \n");
    std::printf("                          src_scen\\vorl_res.h pas defaut\n");
    std::printf("-GR<Fich.cre a generer> : Fichier de ressource .cre a generer: \n");
    std::printf("                          livraison\\vorlane.cre pas defaut\n");
    std::printf("                          Les fichiers necessaire a une livraison \n");
    std::printf("                          compacte de vorlane vont etre generes \n");
    std::printf("                          dans le repertoire de ce fichier.\n");
    std::printf("-GD<Fich.txt a generer> : Fichier de trace a generer: \n");
    std::printf("                          livraison\\vorlane.txt pas defaut\n");
    std::printf("                          Les fichiers necessaire a une livraison \n");
    std::printf("                          arborescente de vorlanevont etre generes \n");
    std::printf("                          dans le repertoire de ce fichier.\n");
    std::printf("-GX<Fich.cre a generer> : Fichiers de resources .cre: \n");
    std::printf("                          vorlane.cre par defaut\n");
    std::printf("                          Les fichiers de resources contenus \n");
    std::printf("                          dans le fichier .cre vont \xea" "tre\n");
    std::printf("                          extrait sous forme arborescente.\n");
    std::printf("\n");
}

// Replaces setting by value up to its first blank; an empty value keeps it.
void TakeValue(char* setting, const char* value)
{
    size_t n = std::strcspn(value, " ");
    if (n == 0) {
        return;
    }
    if (n > kSettingSize - 1) {
        n = kSettingSize - 1;
    }
    std::memcpy(setting, value, n);
    setting[n] = '\0';
}

// Applies one argument; false for -H.
bool TakeArgument(ToolSettings* s, const char* arg)
{
    if (std::strcmp(arg, "-H") == 0) {
        return false;
    }
    struct Option {
        const char* prefix;
        char* setting;
        bool* flag;
    };
    const Option options[] = {
        {"-C", s->configPath, nullptr},    {"-GH", s->headerPath, &s->header},
        {"-GR", s->archivePath, &s->compact}, {"-GD", s->listPath, &s->tree},
        {"-GX", s->archivePath, &s->extract},
    };
    for (const Option& o : options) {
        const size_t n = std::strlen(o.prefix);
        if (std::strncmp(arg, o.prefix, n) == 0) {
            TakeValue(o.setting, arg + n);
            if (o.flag != nullptr) {
                *o.flag = true;
            }
            break;
        }
    }
    return true;
}

// One command of the tool: its operation, its path and its two result lines.
struct Command {
    bool flagged;
    int (*run)(const char* path);
    const char* path;
    const char* ok;
    const char* failed;
};
}

int main(int argc, char** argv)
{
    ToolSettings s;
    if (argc < 2) {
        PrintUsage(argv[0]);
        return 0;
    }
    // Last to first, so that the leftmost of a repeated option wins.
    for (int i = argc - 1; i >= 1; --i) {
        if (!TakeArgument(&s, argv[i])) {
            PrintUsage(argv[0]);
            return 0;
        }
    }
    M_loadConfig(s.configPath);
    // Always in this order, whatever the order of the options.
    const Command commands[] = {
        {s.header, WriteHeader, s.headerPath, "Generation [%s] ok\n",
         "Pb generation du fichier h [%s]\n"},
        {s.compact, DeliverCompact, s.archivePath, "Generation compacte [%s] ok\n",
         "Pb generation de la livraison compacte [%s]\n"},
        {s.tree, DeliverTree, s.listPath, "Generation arborescente [%s] ok\n",
         "Pb generation de la livraison arborescente [%s]\n"},
        {s.extract, ExtractArchive, s.archivePath, "Extraction des fichiers [%s] ok\n",
         "Pb extraction des fichiers du .cre [%s]\n"},
    };
    for (const Command& c : commands) {
        if (c.flagged) {
            std::printf(c.run(c.path) != 0 ? c.ok : c.failed, c.path);
        }
    }
    return 0;
}
