#include "app/BrevaneApp.h"

int main(int argc, char* argv[]) {
    CBrevaneApp app(argc, argv);
    return app.Run();
}
