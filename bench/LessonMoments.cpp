#include "bench/LessonMoments.h"

#include <QPainter>
#include <array>

#include "animation/uf_AnimationEffect.h"
#include "app/MultipleDemo.h"
#include "ui/GlowEffect.h"
#include "ui/Label.h"
#include "ui/Runtime.h"

std::unique_ptr<TLessonSession> ActivatedLesson() {
    auto session = std::make_unique<TLessonSession>();
    session->Lesson().Activate();
    session->Wait(1);
    return session;
}

std::unique_ptr<TLessonSession> DensestLessonFrame() {
    auto session = ActivatedLesson();
    TfMultipleDemo& lesson = session->Lesson();
    // The largest products give the longest working lines: "=72x7" and "=504".
    lesson.txtNbr1->SetText(u"9");
    lesson.txtNbr2->SetText(u"8");
    lesson.txtNbr3->SetText(u"7");
    lesson.btnStep3->Click();
    session->Wait(14);
    lesson.btnStep4->Click();
    session->Wait(28);
    return session;
}

std::unique_ptr<TLessonSession> DensestLessonFrameWithoutLabelsOrGrid() {
    auto session = DensestLessonFrame();
    TPanel* panel = session->Lesson().paneCAL;
    for (TFmxObject* child : panel->Children())
        if (TControl* control = child->AsControl()) control->SetVisible(false);
    panel->OnPaint = nullptr;
    return session;
}

void RecordStressLabels(TLessonSession& session, double startSeconds) {
    TfMultipleDemo& lesson = session.Lesson();
    static constexpr std::array<const char16_t*, 12> kCharacters = {u"0", u"1", u"2", u"3", u"4", u"5",
                                                                    u"6", u"7", u"8", u"9", u"x", u"="};
    const int columns = int(lesson.paneCAL->Width()) / BoxSize;
    const int rows = int(lesson.paneCAL->Height()) / BoxSize;
    for (int i = 0; i < kStressLabelCount; ++i) {
        const int cell = i % (columns * rows);
        session.Engine().Create_Label_Animation(
            lesson.paneCAL, (cell % columns) * BoxSize, (cell / columns) * BoxSize, startSeconds, 0.8,
            kCharacters[std::size_t(i) % kCharacters.size()], u"Ink Free", BoxSize * 3.0 / 4,
            TAlphaColors::Navy, BoxSize, BoxSize, TTextAlign::Center, TTextAlign::Center);
    }
}

std::unique_ptr<TLessonSession> StressFrame() {
    auto session = ActivatedLesson();
    session->Engine().Reset(1);
    RecordStressLabels(*session, 0);
    session->Engine().Start();
    session->Wait(2);
    return session;
}

std::unique_ptr<TLessonSession> ColumnTransformWithEveryGlowLit() {
    auto session = ActivatedLesson();
    TfAnimation& engine = session->Engine();
    TPanel* panel = session->Lesson().paneCAL;
    const double size = BoxSize * 3.0 / 4;
    const TNbrArray operands = {123, 45};
    engine.Reset(1);
    engine.Create_MultipleFormula_Animation(panel, BoxSize, 0, 0, 0.8, operands, u"Ink Free", size,
                                            TAlphaColors::Navy, BoxSize, BoxSize, TTextAlign::Center,
                                            TTextAlign::Center);
    engine.Formula_Multiple_Horizontal_TransformTo_Vertical(panel, BoxSize, 0, 0, 0, 10 * BoxSize, 0, 0,
                                                            u"Ink Free", size, operands);
    engine.Start();
    session->Wait(20);
    for (int z = 1; z <= Animation_JobCounter; ++z)
        if (TGlowEffect* glow = Animation_GlowEffect[z].get()) glow->SetEnabled(true);
    return session;
}

int VisibleLabelsOnPanel(TLessonSession& session) {
    int visible = 0;
    TPanel* panel = session.Lesson().paneCAL;
    for (TFmxObject* child : panel->Children())
        if (auto* label = dynamic_cast<TLabel*>(child))
            visible += label->Visible() && label->Opacity() > 0 && !label->Text().empty();
    return visible;
}

void ClearPanel(TLessonSession& session) {
    session.Lesson().ClearComponents(nullptr);
}

QImage MakeBoardImage() {
    QImage image(kBoardWidth, kBoardHeight, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1);
    image.setDotsPerMeterX(3780);  // 96 dpi, as RenderForm
    image.setDotsPerMeterY(3780);
    return image;
}

void PaintFrame(TForm& form, QImage& image) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    form.PaintWindow(painter);
}
