// 打印: prints the displayed result on the default printer.
#include "shell/form1.h"

namespace guheng::shell {

void Form1::printReport() {
    Picture3[3]->setPicture(Image4[3]);
}

} // namespace guheng::shell
