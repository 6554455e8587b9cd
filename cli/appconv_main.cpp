// Placeholder until the converter lands.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--help") == 0) {
        std::puts("appconv: преобразование документов старых версий (в разработке).");
        return 0;
    }
    std::fputs("appconv: команда ещё не готова.\n", stderr);
    return 2;
}
