#include "Spectrogram.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <vector>

#include "RenderError.h"

extern char** environ;

namespace render {

void writeSpectrogram(const std::string& audioPath, const std::string& picturePath) {
    const std::string title = "quorvel-render: " + audioPath;
    std::vector<std::string> arguments = {"sox", audioPath, "-n", "spectrogram", "-o", picturePath, "-t", title, "-x",
                                          "1000", "-y", "257"};
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t child;
    if (posix_spawnp(&child, "sox", nullptr, nullptr, argv.data(), environ) != 0)
        throw RenderError("cannot run sox to draw the spectrogram (install sox, or use --no-picture)");
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::remove(picturePath.c_str());
        throw RenderError("sox could not draw the spectrogram '" + picturePath + "'");
    }
}

}  // namespace render
