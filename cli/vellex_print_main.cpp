// Placeholder until the report engine lands.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--help") == 0) {
        std::puts("vellex-print: печать листов документа без окна (в разработке).");
        return 0;
    }
    std::fputs("vellex-print: команда ещё не готова.\n", stderr);
    return 2;
}
