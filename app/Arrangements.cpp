// The six orders of the three numbers and where each block stands on the panel.
#include "animation/uf_AnimationEffect.h"
#include "app/MultipleDemo.h"

TPointF TfMultipleDemo::SelectArrangement(int i) {
    struct Row {
        int TfMultipleDemo::*first;
        int TfMultipleDemo::*second;
        int TfMultipleDemo::*third;
        int column;  // block left in BoxSize units
        int row;     // block top in BoxSize units
    };
    static constexpr Row kArrangements[] = {
        {&TfMultipleDemo::AA, &TfMultipleDemo::BB, &TfMultipleDemo::CC, 0, 0},
        {&TfMultipleDemo::AA, &TfMultipleDemo::CC, &TfMultipleDemo::BB, 0, 5},
        {&TfMultipleDemo::BB, &TfMultipleDemo::AA, &TfMultipleDemo::CC, 8, 0},
        {&TfMultipleDemo::BB, &TfMultipleDemo::CC, &TfMultipleDemo::AA, 8, 5},
        {&TfMultipleDemo::CC, &TfMultipleDemo::AA, &TfMultipleDemo::BB, 16, 0},
        {&TfMultipleDemo::CC, &TfMultipleDemo::BB, &TfMultipleDemo::AA, 16, 5},
    };
    const Row& r = kArrangements[i - 1];
    A = this->*r.first;
    B = this->*r.second;
    C = this->*r.third;
    return {float(r.column * BoxSize), float(r.row * BoxSize)};
}
