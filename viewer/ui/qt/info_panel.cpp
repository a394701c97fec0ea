#include "ui/qt/info_panel.h"

#include <QLabel>

#include "ui/qt/twips.h"

namespace {

struct Row {
    InfoField field;
    const char* box;    // caption label's name
    const char* label;  // text field's name
    const char* caption;
    int top;            // twips
    int caption_width;  // twips
};

const Row kRows[] = {
    {InfoField::labsta, "bxsta", "labsta", "Sta #:", 240, 975},
    {InfoField::lablat, "bxlat", "lablat", "Lat:", 480, 975},
    {InfoField::lablong, "bxlong", "lablong", "Long:", 720, 975},
    {InfoField::labdate, "bxdate", "labdate", "Date:", 960, 975},
    {InfoField::labhour, "bxhour", "labhour", "Hour:", 1200, 1095},
    {InfoField::labbot, "bxbot", "labbot", "Bot. Depth:", 1440, 1215},
};

}  // namespace

InfoPanel::InfoPanel(QWidget* owner) : QWidget(owner, Qt::Tool) {
    setObjectName("info");
    setWindowTitle("Station Information");
    setGeometry(twips_rect(6420, 795, 3030, 2010, this));
    for (const Row& r : kRows) {
        auto* caption = new QLabel(r.caption, this);
        caption->setObjectName(r.box);
        caption->setGeometry(twips_rect(120, r.top, r.caption_width, 255, this));
        fit_text(caption);
        auto* field = new QLineEdit(this);
        field->setObjectName(r.label);
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
        field->setGeometry(twips_rect(1320, r.top, 1215, 285, this));
        fields_[r.field] = field;
    }
}

void InfoPanel::Text(InfoField field, const std::string& text) {
    fields_.at(field)->setText(QString::fromStdString(text));
}

QString InfoPanel::text_of(InfoField field) const { return fields_.at(field)->text(); }
