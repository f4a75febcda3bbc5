// Keys of a presenter's clicker: forward is PageDown, Right, Space or Enter;
// back is PageUp or Left.
#include "app/MultipleDemo.h"

void TfMultipleDemo::FormKeyDown(TObject*, int& Key) {
    switch (Key) {
        case vk::Next:
        case vk::Right:
        case vk::Space:
        case vk::Return:
            for (TButton* step : {btnStep4, btnStep3, btnStep1})
                if (step->Visible()) {
                    step->Click();
                    break;
                }
            Key = 0;
            break;
        case vk::Prior:
        case vk::Left:
            if (btnStep1->Visible()) btnStep1->Click();
            Key = 0;
            break;
        default:
            break;
    }
}
