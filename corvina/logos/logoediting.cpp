#include "corvina/logos/logoediting.h"

#include "corvina/logos/picturefiles.h"

namespace corvina {

namespace {

// More steps than anyone undoes; a logo is at most a few kilobytes.
constexpr size_t kMaxSteps = 500;

FitSettings stretched() {
    return {tools::fmStretched, {}, {}};
}

}  // namespace

LogoEditing::LogoEditing(SizeOfKind sizeOf) : sizeOf_(std::move(sizeOf)) {
    picture_ = editablePicture(blankPicture(sizeOf_(kind_)));
}

QImage LogoEditing::oneBit() const {
    return oneBitPicture(picture_);
}

LogoEditing::State LogoEditing::current() const {
    return {picture_, kind_, edited_};
}

void LogoEditing::restore(const State& state) {
    picture_ = state.picture;
    kind_ = state.kind;
    edited_ = state.edited;
    modified_ = true;
}

void LogoEditing::step() {
    undo_.push_back(current());
    if (undo_.size() > kMaxSteps) undo_.erase(undo_.begin());
    redo_.clear();
    modified_ = true;
}

QString LogoEditing::fitFrom(const QString& file, QSize size) {
    PictureResult fitted = fitPictureFile(file, size, fit_);
    if (!fitted.ok()) return fitted.problem;
    picture_ = editablePicture(fitted.image);
    return {};
}

QString LogoEditing::open(const QString& file, uint8_t kind, const FitSettings& fit) {
    const QSize size = sizeOf_(kind);
    if (file.isEmpty()) {
        undo_.clear();
        redo_.clear();
        kind_ = kind;
        fit_ = fit;
        source_.clear();
        picture_ = editablePicture(blankPicture(size));
        edited_ = true;
        modified_ = false;
        return {};
    }
    const FitSettings oldFit = fit_;
    fit_ = fit;
    if (QString problem = fitFrom(file, size); !problem.isEmpty()) {
        fit_ = oldFit;
        return problem;
    }
    undo_.clear();
    redo_.clear();
    kind_ = kind;
    source_ = file;
    edited_ = false;
    modified_ = false;
    return {};
}

void LogoEditing::newPicture() {
    step();
    picture_ = editablePicture(blankPicture(sizeOf_(kind_)));
    edited_ = true;
}

QString LogoEditing::load(const QString& file) {
    const State before = current();
    if (QString problem = fitFrom(file, sizeOf_(kind_)); !problem.isEmpty()) return problem;
    undo_.push_back(before);
    redo_.clear();
    source_ = file;
    edited_ = false;
    modified_ = false;
    return {};
}

void LogoEditing::changeKind(uint8_t kind) {
    if (kind == kind_) return;
    step();
    const QSize size = sizeOf_(kind);
    kind_ = kind;
    if (edited_ || source_.isEmpty() || !fitFrom(source_, size).isEmpty()) {
        picture_ = editablePicture(fitPicture(picture_, size, stretched()));
    }
}

bool LogoEditing::changeFit(uint8_t mode) {
    if (edited_ || source_.isEmpty()) return false;
    FitSettings fit = fit_;
    fit.mode = mode;
    const FitSettings old = fit_;
    fit_ = fit;
    if (!fitFrom(source_, picture_.size()).isEmpty()) {
        fit_ = old;
        return false;
    }
    return true;
}

void LogoEditing::applyScan(const QImage& scan) {
    step();
    picture_ = editablePicture(fitPicture(scan, picture_.size(), stretched()));
    edited_ = true;
}

void LogoEditing::applyPhonePicture(const QImage& logo) {
    step();
    picture_ = editablePicture(fitPicture(logo, picture_.size(), stretched()));
    edited_ = true;
}

bool LogoEditing::press(QPoint pixel, bool black) {
    if (!picture_.rect().contains(pixel)) return false;
    step();
    edited_ = true;
    drawing_ = true;
    black_ = black;
    start_ = last_ = pixel;
    switch (tool_) {
        case DrawTool::Pen:
            drawLine(picture_, pixel, pixel, black);
            break;
        case DrawTool::Fill:
            floodFill(picture_, pixel, black);
            break;
        default:
            break;
    }
    snapshot_ = picture_;
    move(pixel);
    return true;
}

void LogoEditing::move(QPoint pixel) {
    if (!drawing_) return;
    switch (tool_) {
        case DrawTool::Pen:
            drawLine(picture_, last_, pixel, black_);
            break;
        case DrawTool::Fill:
            break;
        case DrawTool::Text:
            picture_ = snapshot_;
            drawText(picture_, pixel, text_, font_, black_);
            break;
        default:
            picture_ = snapshot_;
            drawShape(picture_, tool_, start_, pixel, black_);
            break;
    }
    last_ = pixel;
}

void LogoEditing::release() {
    drawing_ = false;
    snapshot_ = {};
}

bool LogoEditing::undo() {
    if (undo_.empty()) return false;
    release();
    redo_.push_back(current());
    restore(undo_.back());
    undo_.pop_back();
    return true;
}

bool LogoEditing::redo() {
    if (redo_.empty()) return false;
    release();
    undo_.push_back(current());
    restore(redo_.back());
    redo_.pop_back();
    return true;
}

}  // namespace corvina
