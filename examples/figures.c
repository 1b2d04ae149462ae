/* Prints the seven memory figures in kilobytes and the processor's name. */
#include <qztalvex.h>
#include <stdio.h>

int main(void) {
    static const char *const names[] = {"load %", "total physical", "available physical",
                                        "total virtual", "available virtual",
                                        "total page file", "available page file"};
    for (int32_t selector = 1; selector <= 7; ++selector)
        printf("%-20s %d\n", names[selector - 1], qzGetMemorySize(selector, 1));

    unsigned char name[257] = {0};
    if (qzProcessorName(name) > 1) printf("%-20s %s\n", "processor", (const char *)name);
    return 0;
}
