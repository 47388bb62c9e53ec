// Runs the real vorlane_utils on a fixture game folder.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "game_folder.h"
#include "support/test_env.h"

namespace fs = std::filesystem;

namespace {
struct RunResult {
    std::string out;
    int status;
};

// VORLANE_BINARY_DIR when set, else the build folder this test program is in
// (<build>/tests/test_delivery).
std::string BinaryDir()
{
    const char* dir = std::getenv("VORLANE_BINARY_DIR");
    return dir != nullptr ? dir
                          : fs::read_symlink("/proc/self/exe").parent_path().parent_path().string();
}

// VORLANE_SOURCE_DIR when set, else the tree this source file is in.
std::string SourceDir()
{
    const char* dir = std::getenv("VORLANE_SOURCE_DIR");
    return dir != nullptr ? dir : fs::path(__FILE__).parent_path().parent_path().parent_path().string();
}

std::string ToolPath()
{
    return BinaryDir() + "/vorlane_utils";
}

// The game program the compact delivery copies from the tool's folder.
std::string GamePath()
{
    return BinaryDir() + "/vorlane_sdl";
}

// Runs the tool in the working directory with args; standard output captured.
RunResult RunTool(const std::vector<std::string>& args, const std::string& argv0 = "")
{
    const std::string tool = ToolPath();
    std::vector<char*> argv;
    std::string name = argv0.empty() ? tool : argv0;
    argv.push_back(name.data());
    std::vector<std::string> copies = args;
    for (std::string& a : copies) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    int fds[2];
    if (pipe(fds) != 0) {
        return {"pipe failed", -1};
    }
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], 1);
        close(fds[0]);
        close(fds[1]);
        execv(tool.c_str(), argv.data());
        _exit(127);
    }
    close(fds[1]);
    std::string out;
    char buf[4096];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;) {
        out.append(buf, static_cast<size_t>(n));
    }
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return {out, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

std::string Usage(const std::string& program)
{
    const std::string pad(26, ' ');
    return "Usage : " + program + " <-H> <-CFich config> <-GCommande>\n"
           "-H : Usage\n"
           "-C<Fich config>         : Fichier de config a lire: \n" +
           pad + "vorlane.dat par defaut\n"
           "-G Commande:\n"
           "-GH<Fich.h a generer>   : Fichier de header h a generer: \n" +
           pad + "src_scen\\vorl_res.h pas defaut\n"
           "-GR<Fich.cre a generer> : Fichier de ressource .cre a generer: \n" +
           pad + "livraison\\vorlane.cre pas defaut\n" +
           pad + "Les fichiers necessaire a une livraison \n" +
           pad + "compacte de vorlane vont etre generes \n" +
           pad + "dans le repertoire de ce fichier.\n"
           "-GD<Fich.txt a generer> : Fichier de trace a generer: \n" +
           pad + "livraison\\vorlane.txt pas defaut\n" +
           pad + "Les fichiers necessaire a une livraison \n" +
           pad + "arborescente de vorlanevont etre generes \n" +
           pad + "dans le repertoire de ce fichier.\n"
           "-GX<Fich.cre a generer> : Fichiers de resources .cre: \n" +
           pad + "vorlane.cre par defaut\n" +
           pad + "Les fichiers de resources contenus \n" +
           pad + "dans le fichier .cre vont \xeatre\n" +
           pad + "extrait sous forme arborescente.\n"
           "\n";
}

std::string Loaded(const std::string& config)
{
    return "M_loadConfigFileInMem (" + config + ")\nM_loadConfigFileInMem ok\n";
}

// The dots of pass 3: one per file packed (the fixture packs six).
const std::string kDots = "......";

class Utils : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fs::exists(ToolPath())) << "build vorlane_utils first: " << ToolPath();
        ASSERT_TRUE(fs::exists(GamePath())) << "build vorlane_sdl first: " << GamePath();
        MakeScratchDir();
        MakeGameFolder();
        fs::create_directory("livraison");
        fs::create_directory("src_scen");
    }
};
}

TEST_F(Utils, UsageWithoutArgumentOrWithHAnywhere)
{
    const RunResult none = RunTool({}, "my_utils");
    EXPECT_EQ(none.out, Usage("my_utils"));
    EXPECT_EQ(none.status, 0);
    // -H ends the program before the configuration is loaded or a command runs.
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"-H"}, {"-H", "-GHout.h"}, {"-GHout.h", "-H"}, {"-GRa.cre", "-H", "-GHout.h"}}) {
        const RunResult r = RunTool(args, "vorlane_utils");
        EXPECT_EQ(r.out, Usage("vorlane_utils")) << args[0];
        EXPECT_EQ(r.status, 0);
        EXPECT_FALSE(fs::exists("out.h"));
        EXPECT_FALSE(fs::exists("a.cre"));
    }
}

TEST_F(Utils, OptionsValuesAndFixedCommandOrder)
{
    struct Case {
        std::vector<std::string> args;
        std::string out;
        std::vector<std::string> made;     // files the commands wrote
        std::vector<std::string> notMade;
    } cases[] = {
        {{"-GHout.h"}, Loaded("vorlane.dat") + "Generation [out.h] ok\n", {"out.h"}, {}},
        {{"-GH"}, Loaded("vorlane.dat") + "Generation [src_scen\\vorl_res.h] ok\n",
         {"src_scen/vorl_res.h"}, {}},
        {{"-GR"}, Loaded("vorlane.dat") + kDots + "Generation compacte [livraison\\vorlane.cre] ok\n",
         {"livraison/vorlane.cre"}, {}},
        {{"-GR", "x.cre"},
         Loaded("vorlane.dat") + kDots + "Generation compacte [livraison\\vorlane.cre] ok\n",
         {"livraison/vorlane.cre"}, {"x.cre"}},
        {{"-GRa.cre", "-GRb.cre"}, Loaded("vorlane.dat") + kDots + "Generation compacte [a.cre] ok\n",
         {"a.cre"}, {"b.cre"}},
        {{"-GD"}, Loaded("vorlane.dat") + "Generation arborescente [livraison\\vorl_res.h] ok\n",
         {"livraison/vorl_res.h", "livraison/img/fond.bmp"}, {}},
        {{"-GRa.cre", "-GX"},
         Loaded("vorlane.dat") + kDots + "Generation compacte [a.cre] ok\n" +
             "Extraction des fichiers [a.cre] ok\n",
         {"a.cre"}, {"livraison/vorlane.cre"}},
        {{"-GDlist.txt", "-GHout.h"},
         Loaded("vorlane.dat") + "Generation [out.h] ok\nGeneration arborescente [list.txt] ok\n",
         {"out.h", "list.txt"}, {}},
        {{"-Cmissing.dat", "-GHout.h"}, Loaded("missing.dat") + "Generation [out.h] ok\n",
         {"out.h"}, {}},
        {{"-Cfirst.dat", "-Csecond.dat"}, Loaded("first.dat"), {}, {}},
        {{"-Cmy world.dat"}, Loaded("my"), {}, {}},
        {{"-C"}, Loaded("vorlane.dat"), {}, {}},
        {{"GHout.h", "-X", "out.h"}, Loaded("vorlane.dat"), {}, {"out.h"}},
        {{"-GHnodir\\x.h"}, Loaded("vorlane.dat") + "Pb generation du fichier h [nodir\\x.h]\n", {}, {}},
        {{"-GRnodir\\a.cre"},
         Loaded("vorlane.dat") + "Pb generation de la livraison compacte [nodir\\a.cre]\n", {}, {}},
        {{"-GDnodir\\l.txt"},
         Loaded("vorlane.dat") + "Pb generation de la livraison arborescente [nodir\\l.txt]\n", {}, {}},
        {{"-GXmissing.cre"},
         Loaded("vorlane.dat") + "impossible d'ouvrir le fichier de ressources\n"
                                 "Pb extraction des fichiers du .cre [missing.cre]\n", {}, {}},
    };
    for (const Case& c : cases) {
        const std::string label = ::testing::PrintToString(c.args);
        const RunResult r = RunTool(c.args);
        EXPECT_EQ(r.out, c.out) << label;
        EXPECT_EQ(r.status, 0) << label;
        for (const std::string& f : c.made) {
            EXPECT_TRUE(fs::exists(f)) << label << " " << f;
            fs::remove(f);
        }
        for (const std::string& f : c.notMade) {
            EXPECT_FALSE(fs::exists(f)) << label << " " << f;
        }
    }
}

TEST_F(Utils, CompactDeliveryCarriesTheGameProgramFromTheToolsFolder)
{
    const RunResult r = RunTool({"-GRlivraison/vorlane.cre"});
    EXPECT_EQ(r.out, Loaded("vorlane.dat") + kDots + "Generation compacte [livraison/vorlane.cre] ok\n");
    EXPECT_EQ(ReadFile("livraison/vorlane_sdl"), ReadFile(GamePath()));
    EXPECT_NE(fs::status("livraison/vorlane_sdl").permissions() & fs::perms::owner_exec,
              fs::perms::none);
}

TEST_F(Utils, DeliveredLaunchScriptsStartTheGameWithTheDeliverysMusicFolder)
{
    for (const char* script : {"go_fenetre.sh", "go_fullscreen.sh"}) {
        fs::copy_file(fs::path(SourceDir()) / "tools/launch" / script, script,
                      fs::copy_options::overwrite_existing);
    }
    ASSERT_EQ(RunTool({"-GRlivraison\\vorlane.cre"}).status, 0);
    EXPECT_EQ(ReadFile("livraison/cd/track01.mp3"), ReadFile("cd/track01.mp3"));
    // A stand-in for the game that reports what it was started with.
    WriteFile("livraison/vorlane_sdl", "#!/bin/sh\necho \"$(pwd) $SDL12COMPAT_FAKE_CDROM_PATH $*\"\n");
    fs::permissions("livraison/vorlane_sdl", fs::perms::owner_exec, fs::perm_options::add);
    const std::string delivery = fs::canonical("livraison").string();
    for (const auto& [script, args] : {std::pair<std::string, std::string>{"go_fenetre.sh", ""},
                                       {"go_fullscreen.sh", "-D"}}) {
        FILE* p = popen(("cd / && " + delivery + "/" + script).c_str(), "r");
        ASSERT_NE(p, nullptr);
        char line[1024] = {};
        const bool read = std::fgets(line, sizeof line, p) != nullptr;
        pclose(p);
        ASSERT_TRUE(read) << script;
        EXPECT_EQ(std::string(line), delivery + " " + delivery + "/cd " + args + "\n") << script;
    }
}
