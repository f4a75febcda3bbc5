// Tarnwick: a lesson on continued multiplication for the classroom projector.
#include "animation/uf_AnimationEffect.h"
#include "app/MultipleDemo.h"
#include "ui/Application.h"

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    Application->Initialize();
    Application->CreateForm(fMultipleDemo);
    Application->CreateForm(fAnimation);
    return Application->Run();
}
