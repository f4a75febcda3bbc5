#include "tools/scene/StateDump.h"

#include <QJsonArray>
#include <QJsonDocument>

#include "animation/uf_AnimationEffect.h"
#include "app/MultipleDemo.h"
#include "tools/scene/ComponentClass.h"
#include "tools/scene/LessonSession.h"
#include "tools/scene/PanelDump.h"
#include "ui/SaveFile_qt.h"
#include "ui/Text_qt.h"

namespace {

QJsonArray ItemsJson(const TStringList& items) {
    QJsonArray json;
    for (int i = 0; i < items.Count(); ++i) json.append(ToQString(items[i]));
    return json;
}

QJsonObject ControlJson(const TComponent& component) {
    QJsonObject json{{"class", ClassNameOf(component)}};
    if (auto* control = dynamic_cast<const TControl*>(&component)) json["visible"] = control->Visible();
    if (auto* label = dynamic_cast<const TLabel*>(&component)) json["text"] = ToQString(label->Text());
    if (auto* button = dynamic_cast<const TButton*>(&component)) json["text"] = ToQString(button->Text());
    if (auto* trackBar = dynamic_cast<const TTrackBar*>(&component))
        json["value"] = double(trackBar->Value());
    if (auto* listBox = dynamic_cast<const TListBox*>(&component)) json["items"] = ItemsJson(listBox->Items);
    if (auto* timer = dynamic_cast<const TTimer*>(&component)) {
        json["enabled"] = timer->Enabled();
        json["interval"] = timer->Interval();
    }
    return json;
}

QJsonObject ControlsJson(const TfMultipleDemo& lesson) {
    QJsonObject json;
    for (int i = 0; i < lesson.ComponentCount(); ++i) {
        const TComponent& component = *lesson.Components(i);
        if (!component.Name.empty()) json[QString::fromStdString(component.Name)] = ControlJson(component);
    }
    return json;
}

QJsonArray JobsJson() {
    QJsonArray jobs;
    for (int z = 1; z <= Animation_JobCounter; ++z)
        jobs.append(QJsonObject{{"z", z}, {"type", Animation_JobType[z]}, {"start", Animation_JobStart[z]}});
    return jobs;
}

QJsonObject EngineJson(const TfAnimation& engine) {
    QJsonArray pending;
    for (double z : Animation_Job) pending.append(z);
    return {{"jobCounter", Animation_JobCounter},
            {"pending", pending},
            {"timerEnabled", engine.timStepByStep->Enabled()},
            {"time_Scale", engine.time_Scale},
            {"JobSchedule_StartTime", engine.JobSchedule_StartTime},
            {"jobs", JobsJson()}};
}

QJsonArray MessagesJson(const std::vector<UnicodeString>& messages) {
    QJsonArray json;
    for (const UnicodeString& message : messages) json.append(ToQString(message));
    return json;
}

}  // namespace

QJsonObject LessonStateJson(TLessonSession& session) {
    TfMultipleDemo& lesson = session.Lesson();
    return {{"time", session.Seconds()},
            {"BoxSize", BoxSize},
            {"vvTimeScale", vvTimeScale},
            {"controls", ControlsJson(lesson)},
            {"engine", EngineJson(session.Engine())},
            {"panel", PanelJson(*lesson.paneCAL)},
            {"messages", MessagesJson(session.Messages())},
            {"view", QJsonObject{{"fullScreen", lesson.FullScreen()},
                                 {"blanked", lesson.Blanked()},
                                 {"about", lesson.AboutShown()}}}};
}

bool WriteStateDump(TLessonSession& session, const std::string& path) {
    return SaveWholeFile(path, QJsonDocument(LessonStateJson(session)).toJson(QJsonDocument::Indented));
}
