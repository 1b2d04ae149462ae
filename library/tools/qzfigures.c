/* Prints the seven memory figures in kilobytes, found in the library by its
 * name alone, exactly as the window's "Get Memory Size" button shows them. */
#include <dlfcn.h>
#include <stdint.h>
#include <stdio.h>

int main(void) {
    static const char *const labels[] = {"Memory %   :", "Memory Ph  :", "Memory AvPh:",
                                         "Memory Virt:", "Memory AvVr:", "Memory Page:",
                                         "Memory AvPg:"};
    void *library = dlopen("libqztalvex.so", RTLD_NOW);
    if (!library) {
        fprintf(stderr, "qztalvex: %s\n", dlerror());
        return 1;
    }
    int32_t (*memory)(int32_t, int32_t);
    *(void **)&memory = dlsym(library, "qzGetMemorySize");
    if (!memory) {
        fprintf(stderr, "qzGetMemorySize: %s\n", dlerror());
        return 1;
    }
    for (int32_t selector = 1; selector <= 7; ++selector) {
        const int32_t value = memory(selector, 1);
        printf("%s%s%d\n", labels[selector - 1], value < 0 ? "" : " ", value);
    }
    return 0;
}
