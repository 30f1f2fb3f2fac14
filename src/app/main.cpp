#include "CSagwerkApp.h"

int main(int argc, char** argv) {
    CSagwerkApp app(argc, argv);
    return app.Run();
}
