// expurgos-cli: runs saved calculations without a screen.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc >= 2 && (std::strcmp(argv[1], "--version") == 0)) {
        std::printf("expurgos-cli %s\n", EXPURGOS_VERSION);
        return 0;
    }
    std::fprintf(stderr, "uso: expurgos-cli --version\n");
    return 2;
}
