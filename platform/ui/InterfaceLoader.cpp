// Interface files: an XML view tree whose elements name the kind of view and whose attributes set its
// properties. Outlets and actions bind to the owner (or to a named top-level object) by name.
#include "platform/ui/InterfaceLoader.h"

#include <cxxabi.h>
#include <pugixml.hpp>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <set>
#include <sstream>

#include "platform/core/Bundle.h"
#include "platform/core/Exception.h"
#include "platform/core/Log.h"
#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Layer.h"
#include "platform/ui/LocalizedText.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/PickerView.h"
#include "platform/ui/ProgressView.h"
#include "platform/ui/ScreenFactory.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/Slider.h"
#include "platform/ui/Switch.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextView.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/WebView.h"

namespace zuno::ui {

namespace {

constexpr int kMaxDepth = 64;
constexpr size_t kMaxItems = 64;

std::mutex& rootMutex() {
    static std::mutex m;
    return m;
}
std::string& rootFolder() {
    static std::string* r = new std::string;
    return *r;
}
std::atomic<bool> strictLoading{InterfaceLoader::kStrictByDefault};

// The texts of a view that an interface file may give as a language key, and how to set each.
LocalizedText::Apply textSetter(View& v, const std::string& n) {
    if (n == "text") {
        if (dynamic_cast<Label*>(&v)) return [](View& x, const std::string& t) { static_cast<Label&>(x).setText(t); };
        if (dynamic_cast<TextField*>(&v)) return [](View& x, const std::string& t) { static_cast<TextField&>(x).setText(t); };
        if (dynamic_cast<TextView*>(&v)) return [](View& x, const std::string& t) { static_cast<TextView&>(x).setText(t); };
    }
    if (n == "title" && dynamic_cast<Button*>(&v)) {
        return [](View& x, const std::string& t) { static_cast<Button&>(x).setTitle(t); };
    }
    if (n == "placeholder" && dynamic_cast<TextField*>(&v)) {
        return [](View& x, const std::string& t) { static_cast<TextField&>(x).setPlaceholder(t); };
    }
    if (const auto* attr = v.bindingTable().findAttribute(n); attr && attr->isText) {
        auto set = attr->set;
        return [set](View& x, const std::string& t) { set(x, t); };
    }
    return nullptr;
}

std::string className(const Object& o) {
    const char* mangled = typeid(o).name();
    int status = 0;
    char* d = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    std::string name = status == 0 && d ? d : mangled;
    std::free(d);
    size_t colon = name.rfind("::");
    return colon == std::string::npos ? name : name.substr(colon + 2);
}

// Numbers separated by spaces or commas; false unless exactly `count` finite numbers.
bool parseNumbers(const char* text, double* out, int count) {
    const char* p = text;
    for (int i = 0; i < count; ++i) {
        while (*p == ' ' || *p == ',' || *p == '\t' || *p == '\n') ++p;
        char* end = nullptr;
        double v = std::strtod(p, &end);
        if (end == p || !std::isfinite(v) || std::fabs(v) > 1e7) return false;
        out[i] = v;
        p = end;
    }
    while (*p == ' ' || *p == ',' || *p == '\t' || *p == '\n') ++p;
    return *p == '\0';
}

std::vector<std::string> split(const std::string& text, char sep) {
    std::vector<std::string> out;
    std::string cur;
    for (char c : text) {
        if (c == sep) {
            out.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    out.push_back(cur);
    return out;
}

const std::map<std::string, unsigned>& eventNames() {
    static const std::map<std::string, unsigned> names = {
        {"touchDown", ControlEvent::TouchDown},
        {"touchDownRepeat", ControlEvent::TouchDownRepeat},
        {"touchDragInside", ControlEvent::TouchDragInside},
        {"touchDragOutside", ControlEvent::TouchDragOutside},
        {"touchDragEnter", ControlEvent::TouchDragEnter},
        {"touchDragExit", ControlEvent::TouchDragExit},
        {"touchUpInside", ControlEvent::TouchUpInside},
        {"touchUpOutside", ControlEvent::TouchUpOutside},
        {"touchCancel", ControlEvent::TouchCancel},
        {"valueChanged", ControlEvent::ValueChanged},
        {"editingDidBegin", ControlEvent::EditingDidBegin},
        {"editingChanged", ControlEvent::EditingChanged},
        {"editingDidEnd", ControlEvent::EditingDidEnd},
        {"editingDidEndOnExit", ControlEvent::EditingDidEndOnExit},
    };
    return names;
}

const std::map<std::string, ContentMode>& contentModes() {
    static const std::map<std::string, ContentMode> modes = {
        {"scaleToFill", ContentMode::ScaleToFill}, {"scaleAspectFit", ContentMode::ScaleAspectFit},
        {"scaleAspectFill", ContentMode::ScaleAspectFill}, {"redraw", ContentMode::Redraw},
        {"center", ContentMode::Center}, {"top", ContentMode::Top}, {"bottom", ContentMode::Bottom},
        {"left", ContentMode::Left}, {"right", ContentMode::Right}, {"topLeft", ContentMode::TopLeft},
        {"topRight", ContentMode::TopRight}, {"bottomLeft", ContentMode::BottomLeft},
        {"bottomRight", ContentMode::BottomRight},
    };
    return modes;
}

class Builder {
public:
    Builder(Responder& owner, std::string fileName, InterfaceLoader::Result& result)
        : owner_(owner), file_(std::move(fileName)), result_(result) {}

    void build(const pugi::xml_node& root) {
        for (auto child : root.children()) {
            if (child.type() != pugi::node_element) continue;
            std::string kind = child.name();
            if (kind == "object") {
                buildObject(child);
            } else if (auto view = buildView(child, 1)) {
                result_.topLevelViews.push_back(view);
            }
        }
        // Actions, delegates and outlets are wired once every object exists.
        for (auto& w : wiring_) w();
        if (auto* controller = dynamic_cast<ViewController*>(&owner_)) {
            if (!controller->isViewLoaded() && !result_.topLevelViews.empty() && !viewOutletSet_) {
                bindOutlet("view", result_.topLevelViews.front(), "view");
            }
        }
        listUnconnectedOutlets();
        for (auto& v : awake_) v->awakeFromNib();
    }

private:
    void problem(const std::string& what) {
        std::string line = "interface file " + file_ + ": " + what;
        sys::Log::warning(line);
        result_.problems.push_back(line);
    }

    void bindOutlet(const std::string& name, const std::shared_ptr<Object>& value, const std::string& kind) {
        if (name == "view") viewOutletSet_ = true;
        const auto* outlet = owner_.bindingTable().findOutlet(name);
        if (!outlet) {
            problem("no outlet '" + name + "' in " + className(owner_));
            return;
        }
        if (!outlet->set(owner_, value)) {
            problem("outlet '" + name + "' of " + className(owner_) + " does not take a " + kind);
            return;
        }
        boundOutlets_.insert(name);
    }

    void listUnconnectedOutlets() {
        for (const auto& name : owner_.bindingTable().requiredOutletNames()) {
            if (name != "view" && !boundOutlets_.count(name)) result_.unconnectedOutlets.push_back(name);
        }
    }

    // The text of "@KEY": the key's text in the current language (a problem, and the bare key, when
    // there is none).
    std::string keyedText(const std::string& key) {
        if (auto text = LocalizedText::lookUp(key)) return *text;
        problem(LocalizedText::hasResolver() ? "unknown language key '@" + key + "'"
                                             : "no language table for '@" + key + "'");
        return key;
    }

    // A text attribute naming a language key: set now, and again when the language changes.
    bool applyKeyedText(const std::shared_ptr<View>& view, const std::string& name, const std::string& key) {
        auto set = textSetter(*view, name);
        if (!set) return false;
        set(*view, keyedText(key));
        LocalizedText::follow(view, key, set);
        return true;
    }

    // An attribute of the class's own binding table (custom views and objects).
    bool applyTableAttribute(Object& target, const Responder& table, const std::string& name, const std::string& value) {
        const auto* attr = table.bindingTable().findAttribute(name);
        if (!attr) return false;
        if (!attr->set(target, value)) problem("bad value '" + value + "' for " + name + " of " + className(target));
        return true;
    }

    Responder* targetNamed(const std::string& name) {
        if (name.empty() || name == "owner") return &owner_;
        auto it = named_.find(name);
        return it == named_.end() ? nullptr : dynamic_cast<Responder*>(it->second.get());
    }

    std::shared_ptr<Responder> sharedTarget(const std::string& name) {
        Responder* r = targetNamed(name);
        if (!r) return nullptr;
        return r->weak_from_this().lock();
    }

    void buildObject(const pugi::xml_node& node) {
        std::string cls = node.attribute("class").as_string();
        auto controller = ScreenFactory::create(cls);
        if (!controller) {
            problem("no class named '" + cls + "' for an object");
            return;
        }
        result_.topLevelObjects.push_back(controller);
        std::string outlet = node.attribute("outlet").as_string();
        if (!outlet.empty()) {
            named_[outlet] = controller;
            std::shared_ptr<Object> value = controller;
            wiring_.push_back([this, outlet, value, cls] { bindOutlet(outlet, value, cls); });
        }
        for (auto attr : node.attributes()) {
            std::string n = attr.name();
            std::string value = attr.as_string();
            if (n == "title") {
                controller->setTitle(LocalizedText::namesKey(value) ? keyedText(value.substr(1)) : value);
            } else if (n != "class" && n != "outlet" && !applyTableAttribute(*controller, *controller, n, value)) {
                problem("unknown attribute '" + n + "' on object " + cls);
            }
        }
    }

    std::shared_ptr<View> makeView(const std::string& kind, const pugi::xml_node& node) {
        std::string cls = node.attribute("class").as_string();
        std::shared_ptr<View> v;
        if (!cls.empty()) {
            v = ScreenFactory::createView(cls);
            if (!v) problem("no view class named '" + cls + "'");
        }
        auto fits = [&](auto* probe) { return v && probe; };
        if (v) {
            // The registered class must be the element's kind or a subclass of it.
            bool ok = true;
            if (kind == "label") ok = fits(dynamic_cast<Label*>(v.get()));
            else if (kind == "button") ok = fits(dynamic_cast<Button*>(v.get()));
            else if (kind == "imageView") ok = fits(dynamic_cast<ImageView*>(v.get()));
            else if (kind == "textField") ok = fits(dynamic_cast<TextField*>(v.get()));
            else if (kind == "scrollView") ok = fits(dynamic_cast<ScrollView*>(v.get()));
            else if (kind == "tableView") ok = fits(dynamic_cast<TableView*>(v.get()));
            else if (kind == "progressView") ok = fits(dynamic_cast<ProgressView*>(v.get()));
            else if (kind == "switch") ok = fits(dynamic_cast<Switch*>(v.get()));
            if (ok) return v;
            problem("class '" + cls + "' is not a kind of " + kind);
        }
        if (kind == "view") return std::make_shared<View>();
        if (kind == "label") {
            auto l = std::make_shared<Label>();
            l->setBackgroundColor(std::nullopt);
            return l;
        }
        if (kind == "button") {
            std::string type = node.attribute("type").as_string("custom");
            return std::make_shared<Button>(type == "roundedRect" ? Button::Type::RoundedRect : Button::Type::Custom);
        }
        if (kind == "imageView") return std::make_shared<ImageView>();
        if (kind == "textField") return std::make_shared<TextField>();
        if (kind == "switch") return std::make_shared<Switch>();
        if (kind == "slider") return std::make_shared<Slider>();
        if (kind == "segmentedControl") return std::make_shared<SegmentedControl>();
        if (kind == "progressView") {
            std::string style = node.attribute("style").as_string("default");
            return std::make_shared<ProgressView>(style == "bar" ? ProgressView::Style::Bar : ProgressView::Style::Default);
        }
        if (kind == "activityIndicator") {
            std::string style = node.attribute("style").as_string("white");
            auto s = style == "whiteLarge" ? ActivityIndicatorView::Style::WhiteLarge
                     : style == "gray"     ? ActivityIndicatorView::Style::Gray
                                           : ActivityIndicatorView::Style::White;
            return std::make_shared<ActivityIndicatorView>(s);
        }
        if (kind == "pageControl") return std::make_shared<PageControl>();
        if (kind == "scrollView") return std::make_shared<ScrollView>();
        if (kind == "tableView") {
            std::string style = node.attribute("style").as_string("plain");
            return std::make_shared<TableView>(style == "grouped" ? TableView::Style::Grouped : TableView::Style::Plain);
        }
        if (kind == "pickerView") return std::make_shared<PickerView>();
        if (kind == "textView") return std::make_shared<TextView>();
        if (kind == "webView") return std::make_shared<WebView>();
        return nullptr;
    }

    std::optional<Color> color(const pugi::xml_attribute& a) {
        auto c = Color::parse(a.as_string());
        if (!c) problem(std::string("bad colour '") + a.as_string() + "' for " + a.name());
        return c;
    }

    std::optional<Font> font(const pugi::xml_attribute& a) {
        // "16", "bold 16", "system 12"
        std::istringstream in(a.as_string());
        std::string first, second;
        in >> first >> second;
        bool bold = first == "bold";
        std::string size = (first == "bold" || first == "system") ? second : first;
        double n[1];
        if (size.empty() || !parseNumbers(size.c_str(), n, 1) || n[0] <= 0 || n[0] > 500) {
            problem(std::string("bad font '") + a.as_string() + "'");
            return std::nullopt;
        }
        return bold ? Font::boldSystemFontOfSize(n[0]) : Font::systemFontOfSize(n[0]);
    }

    TextAlignment alignment(const pugi::xml_attribute& a) {
        std::string s = a.as_string();
        if (s == "center") return TextAlignment::Center;
        if (s == "right") return TextAlignment::Right;
        if (s != "left") problem("bad alignment '" + s + "'");
        return TextAlignment::Left;
    }

    ImagePtr image(const pugi::xml_attribute& a) {
        std::string name = a.as_string();
        return name.empty() ? nullptr : Image::imageNamed(name);
    }

    void delegateTo(const std::string& what, const std::string& target, const std::function<bool(std::shared_ptr<Responder>)>& set) {
        wiring_.push_back([this, what, target, set] {
            auto t = sharedTarget(target);
            if (!t) {
                problem("no shared object '" + (target.empty() ? std::string("owner") : target) + "' for " + what);
                return;
            }
            if (!set(t)) problem(className(*t) + " cannot be the " + what);
        });
    }

    // Applies one attribute; answers false when the attribute means nothing for this view.
    bool apply(View& v, const std::shared_ptr<View>& shared, const pugi::xml_attribute& a) {
        std::string n = a.name();
        double num[4];
        if (n == "frame") {
            if (parseNumbers(a.as_string(), num, 4) && num[2] >= 0 && num[3] >= 0) {
                v.setFrame(Rect(num[0], num[1], num[2], num[3]));
            } else {
                problem(std::string("bad frame '") + a.as_string() + "'");
            }
            return true;
        }
        if (n == "class" || n == "outlet" || n == "type" || n == "style") return true;
        if (n == "tag") { v.setTag(a.as_int()); return true; }
        if (n == "hidden") { v.setHidden(a.as_bool()); return true; }
        if (n == "alpha") { v.setAlpha(a.as_double(1)); return true; }
        if (n == "background") {
            if (auto c = color(a)) v.setBackgroundColor(c->isClear() ? std::nullopt : std::optional<Color>(*c));
            return true;
        }
        if (n == "clipsToBounds") { v.setClipsToBounds(a.as_bool()); return true; }
        if (n == "userInteraction") { v.setUserInteractionEnabled(a.as_bool()); return true; }
        if (n == "opaque") { v.setOpaque(a.as_bool()); return true; }
        if (n == "cornerRadius") { v.layer().setCornerRadius(a.as_double()); return true; }
        if (n == "borderWidth") { v.layer().setBorderWidth(a.as_double()); return true; }
        if (n == "borderColor") {
            if (auto c = color(a)) v.layer().setBorderColor(*c);
            return true;
        }
        if (n == "contentMode") {
            auto it = contentModes().find(a.as_string());
            if (it == contentModes().end()) problem(std::string("bad content mode '") + a.as_string() + "'");
            else v.setContentMode(it->second);
            return true;
        }
        if (n == "autoresizing") {
            unsigned mask = 0;
            for (const auto& part : split(a.as_string(), '|')) {
                if (part == "flexibleLeftMargin") mask |= Autoresizing::FlexibleLeftMargin;
                else if (part == "flexibleWidth") mask |= Autoresizing::FlexibleWidth;
                else if (part == "flexibleRightMargin") mask |= Autoresizing::FlexibleRightMargin;
                else if (part == "flexibleTopMargin") mask |= Autoresizing::FlexibleTopMargin;
                else if (part == "flexibleHeight") mask |= Autoresizing::FlexibleHeight;
                else if (part == "flexibleBottomMargin") mask |= Autoresizing::FlexibleBottomMargin;
                else if (!part.empty()) problem("bad autoresizing part '" + part + "'");
            }
            v.setAutoresizingMask(mask);
            return true;
        }
        if (auto* l = dynamic_cast<Label*>(&v)) {
            if (n == "text") { l->setText(std::string(a.as_string())); return true; }
            if (n == "font") { if (auto f = font(a)) l->setFont(*f); return true; }
            if (n == "color") { if (auto c = color(a)) l->setTextColor(*c); return true; }
            if (n == "align") { l->setTextAlignment(alignment(a)); return true; }
            if (n == "lines") { l->setNumberOfLines(a.as_int(1)); return true; }
            if (n == "shadowColor") { if (auto c = color(a)) l->setShadowColor(*c); return true; }
            if (n == "shadowOffset") {
                if (parseNumbers(a.as_string(), num, 2)) l->setShadowOffset({num[0], num[1]});
                else problem("bad shadow offset");
                return true;
            }
            if (n == "adjustsFontSize") { l->setAdjustsFontSizeToFitWidth(a.as_bool()); return true; }
            if (n == "minimumFontSize") { l->setMinimumFontSize(a.as_double()); return true; }
            if (n == "truncates") { l->setTruncatesOnPurpose(a.as_bool()); return true; }
        }
        if (auto* iv = dynamic_cast<ImageView*>(&v)) {
            if (n == "image") { iv->setImage(image(a)); return true; }
            if (n == "highlightedImage") { iv->setHighlightedImage(image(a)); return true; }
            if (n == "animationImages") {
                std::vector<ImagePtr> frames;
                for (const auto& name : split(a.as_string(), ',')) {
                    if (!name.empty() && frames.size() < kMaxItems) frames.push_back(Image::imageNamed(name));
                }
                iv->setAnimationImages(std::move(frames));
                return true;
            }
            if (n == "animationDuration") { iv->setAnimationDuration(a.as_double()); return true; }
            if (n == "animating") {
                if (a.as_bool()) awakeAnimating_.push_back(std::static_pointer_cast<ImageView>(shared));
                return true;
            }
        }
        if (auto* b = dynamic_cast<Button*>(&v)) {
            if (n == "title") { b->setTitle(std::string(a.as_string())); return true; }
            if (n == "titleColor") { if (auto c = color(a)) b->setTitleColor(*c); return true; }
            if (n == "image") { b->setImage(image(a)); return true; }
            if (n == "backgroundImage") { b->setBackgroundImage(image(a)); return true; }
            if (n == "font") { if (auto f = font(a)) b->titleLabel()->setFont(*f); return true; }
            if (n == "lines") { b->titleLabel()->setNumberOfLines(a.as_int(1)); return true; }
            if (n == "showsTouch") { b->setShowsTouchWhenHighlighted(a.as_bool()); return true; }
            if (n == "adjustsImage") { b->setAdjustsImageWhenHighlighted(a.as_bool()); return true; }
        }
        if (auto* c = dynamic_cast<Control*>(&v)) {
            if (n == "enabled") { c->setEnabled(a.as_bool(true)); return true; }
            if (n == "selected") { c->setSelected(a.as_bool()); return true; }
        }
        if (auto* t = dynamic_cast<TextField*>(&v)) {
            if (n == "text") { t->setText(a.as_string()); return true; }
            if (n == "placeholder") { t->setPlaceholder(std::string(a.as_string())); return true; }
            if (n == "font") { if (auto f = font(a)) t->setFont(*f); return true; }
            if (n == "color") { if (auto c = color(a)) t->setTextColor(*c); return true; }
            if (n == "align") { t->setTextAlignment(alignment(a)); return true; }
            if (n == "secure") { t->setSecureTextEntry(a.as_bool()); return true; }
            if (n == "backgroundImage") { t->setBackground(image(a)); return true; }
            if (n == "clearsOnBeginEditing") { t->setClearsOnBeginEditing(a.as_bool()); return true; }
            if (n == "keyboard") { t->setKeyboardType(TextField::KeyboardType(std::clamp(a.as_int(), 0, 7))); return true; }
            if (n == "returnKey") { t->setReturnKeyType(a.as_int()); return true; }
            if (n == "borderStyle") {
                std::string s = a.as_string();
                t->setBorderStyle(s == "line" ? TextField::BorderStyle::Line
                                  : s == "bezel" ? TextField::BorderStyle::Bezel
                                  : s == "roundedRect" ? TextField::BorderStyle::RoundedRect
                                                       : TextField::BorderStyle::None);
                return true;
            }
            if (n == "delegate") {
                std::weak_ptr<TextField> weak = std::static_pointer_cast<TextField>(shared);
                delegateTo("text field delegate", a.as_string(), [weak](std::shared_ptr<Responder> r) {
                    auto d = std::dynamic_pointer_cast<TextFieldDelegate>(r);
                    if (auto f = weak.lock(); f && d) f->setDelegate(d);
                    return d != nullptr;
                });
                return true;
            }
        }
        if (auto* s = dynamic_cast<Switch*>(&v)) {
            if (n == "on") { s->setOn(a.as_bool()); return true; }
        }
        if (auto* s = dynamic_cast<Slider*>(&v)) {
            if (n == "min") { s->setMinimumValue(a.as_double()); return true; }
            if (n == "max") { s->setMaximumValue(a.as_double(1)); return true; }
            if (n == "value") { s->setValue(a.as_double()); return true; }
            if (n == "continuous") { s->setContinuous(a.as_bool(true)); return true; }
        }
        if (auto* s = dynamic_cast<SegmentedControl*>(&v)) {
            if (n == "items") {
                s->removeAllSegments();
                for (const auto& item : split(a.as_string(), '|')) {
                    if (s->numberOfSegments() < int(kMaxItems)) s->insertSegmentWithTitle(item, s->numberOfSegments());
                }
                return true;
            }
            if (n == "selectedIndex") { s->setSelectedSegmentIndex(a.as_int(-1)); return true; }
            if (n == "momentary") { s->setMomentary(a.as_bool()); return true; }
        }
        if (auto* p = dynamic_cast<ProgressView*>(&v)) {
            if (n == "progress") { p->setProgress(a.as_double()); return true; }
            if (n == "tint") { if (auto c = color(a)) p->setProgressTintColor(*c); return true; }
        }
        if (auto* ai = dynamic_cast<ActivityIndicatorView*>(&v)) {
            if (n == "hidesWhenStopped") { ai->setHidesWhenStopped(a.as_bool(true)); return true; }
            if (n == "animating") { if (a.as_bool()) ai->startAnimating(); return true; }
        }
        if (auto* pc = dynamic_cast<PageControl*>(&v)) {
            if (n == "pages") { pc->setNumberOfPages(std::clamp(a.as_int(), 0, 1000)); return true; }
            if (n == "currentPage") { pc->setCurrentPage(a.as_int()); return true; }
            if (n == "hidesForSinglePage") { pc->setHidesForSinglePage(a.as_bool()); return true; }
        }
        if (auto* tv = dynamic_cast<TableView*>(&v)) {
            if (n == "rowHeight") { tv->setRowHeight(std::max(0.0, a.as_double(44))); return true; }
            if (n == "separator") {
                tv->setSeparatorStyle(std::string(a.as_string()) == "none" ? TableView::SeparatorStyle::None
                                                                         : TableView::SeparatorStyle::SingleLine);
                return true;
            }
            if (n == "dataSource") {
                std::weak_ptr<TableView> weak = std::static_pointer_cast<TableView>(shared);
                delegateTo("table data source", a.as_string(), [weak](std::shared_ptr<Responder> r) {
                    auto d = std::dynamic_pointer_cast<TableViewDataSource>(r);
                    if (auto t = weak.lock(); t && d) t->setDataSource(d);
                    return d != nullptr;
                });
                return true;
            }
            if (n == "delegate") {
                std::weak_ptr<TableView> weak = std::static_pointer_cast<TableView>(shared);
                delegateTo("table delegate", a.as_string(), [weak](std::shared_ptr<Responder> r) {
                    auto d = std::dynamic_pointer_cast<TableViewDelegate>(r);
                    if (auto t = weak.lock(); t && d) t->setTableDelegate(d);
                    return d != nullptr;
                });
                return true;
            }
        }
        if (auto* t = dynamic_cast<TextView*>(&v)) {
            if (n == "text") { t->setText(a.as_string()); return true; }
            if (n == "font") { if (auto f = font(a)) t->setFont(*f); return true; }
            if (n == "color") { if (auto c = color(a)) t->setTextColor(*c); return true; }
            if (n == "align") { t->setTextAlignment(alignment(a)); return true; }
            if (n == "editable") { t->setEditable(a.as_bool(true)); return true; }
        }
        if (auto* s = dynamic_cast<ScrollView*>(&v)) {
            if (n == "contentSize") {
                if (parseNumbers(a.as_string(), num, 2)) s->setContentSize({num[0], num[1]});
                else problem("bad content size");
                return true;
            }
            if (n == "scrollEnabled") { s->setScrollEnabled(a.as_bool(true)); return true; }
            if (n == "paging") { s->setPagingEnabled(a.as_bool()); return true; }
            if (n == "bounces") { s->setBounces(a.as_bool(true)); return true; }
            if (n == "alwaysBounceVertical") { s->setAlwaysBounceVertical(a.as_bool()); return true; }
            if (n == "alwaysBounceHorizontal") { s->setAlwaysBounceHorizontal(a.as_bool()); return true; }
            if (n == "showsVerticalIndicator") { s->setShowsVerticalScrollIndicator(a.as_bool(true)); return true; }
            if (n == "showsHorizontalIndicator") { s->setShowsHorizontalScrollIndicator(a.as_bool(true)); return true; }
            if (n == "minimumZoom") { s->setMinimumZoomScale(a.as_double(1)); return true; }
            if (n == "maximumZoom") { s->setMaximumZoomScale(a.as_double(1)); return true; }
            if (n == "delegate" && !dynamic_cast<TableView*>(&v) && !dynamic_cast<TextView*>(&v)) {
                std::weak_ptr<ScrollView> weak = std::static_pointer_cast<ScrollView>(shared);
                delegateTo("scroll view delegate", a.as_string(), [weak](std::shared_ptr<Responder> r) {
                    auto d = std::dynamic_pointer_cast<ScrollViewDelegate>(r);
                    if (auto s2 = weak.lock(); s2 && d) s2->setDelegate(d);
                    return d != nullptr;
                });
                return true;
            }
        }
        if (auto* p = dynamic_cast<PickerView*>(&v)) {
            if (n == "dataSource" || n == "delegate") {
                std::weak_ptr<PickerView> weak = std::static_pointer_cast<PickerView>(shared);
                bool source = n == "dataSource";
                delegateTo(source ? "picker data source" : "picker delegate", a.as_string(),
                           [weak, source](std::shared_ptr<Responder> r) {
                               auto p2 = weak.lock();
                               if (source) {
                                   auto d = std::dynamic_pointer_cast<PickerViewDataSource>(r);
                                   if (p2 && d) p2->setDataSource(d);
                                   return d != nullptr;
                               }
                               auto d = std::dynamic_pointer_cast<PickerViewDelegate>(r);
                               if (p2 && d) p2->setDelegate(d);
                               return d != nullptr;
                           });
                return true;
            }
            (void)p;
        }
        if (auto* w = dynamic_cast<WebView*>(&v)) {
            if (n == "scalesPageToFit") { w->setScalesPageToFit(a.as_bool()); return true; }
            if (n == "delegate") {
                std::weak_ptr<WebView> weak = std::static_pointer_cast<WebView>(shared);
                delegateTo("web view delegate", a.as_string(), [weak](std::shared_ptr<Responder> r) {
                    auto d = std::dynamic_pointer_cast<WebViewDelegate>(r);
                    if (auto w2 = weak.lock(); w2 && d) w2->setDelegate(d);
                    return d != nullptr;
                });
                return true;
            }
        }
        return false;
    }

    void applyButtonState(const std::shared_ptr<Button>& button, const pugi::xml_node& node) {
        Button& b = *button;
        std::string name = node.attribute("name").as_string();
        unsigned state = name == "highlighted" ? ControlState::Highlighted
                         : name == "selected"  ? ControlState::Selected
                         : name == "disabled"  ? ControlState::Disabled
                         : name == "normal"    ? ControlState::Normal
                                               : 0xFFu;
        if (state == 0xFFu) {
            problem("bad button state '" + name + "'");
            return;
        }
        for (auto a : node.attributes()) {
            std::string n = a.name();
            if (n == "name") continue;
            if (n == "title") {
                std::string value = a.as_string();
                if (LocalizedText::namesKey(value)) {
                    std::string key = value.substr(1);
                    b.setTitle(keyedText(key), state);
                    LocalizedText::follow(button, key, [state](View& x, const std::string& t) {
                        static_cast<Button&>(x).setTitle(t, state);
                    });
                } else {
                    b.setTitle(value, state);
                }
            }
            else if (n == "titleColor") { if (auto c = color(a)) b.setTitleColor(*c, state); }
            else if (n == "image") b.setImage(image(a), state);
            else if (n == "backgroundImage") b.setBackgroundImage(image(a), state);
            else problem("unknown attribute '" + n + "' on a button state");
        }
    }

    void addAction(const std::shared_ptr<View>& view, const pugi::xml_node& node) {
        auto control = std::dynamic_pointer_cast<Control>(view);
        std::string event = node.attribute("event").as_string();
        std::string name = node.attribute("name").as_string();
        std::string target = node.attribute("target").as_string();
        if (!control) {
            problem("action '" + name + "' on a view that is not a control");
            return;
        }
        auto it = eventNames().find(event);
        if (it == eventNames().end()) {
            problem("unknown control event '" + event + "' for action '" + name + "'");
            return;
        }
        unsigned mask = it->second;
        std::weak_ptr<Control> weak = control;
        wiring_.push_back([this, weak, name, target, mask] {
            Responder* r = targetNamed(target);
            if (!r) {
                problem("no target '" + target + "' for action '" + name + "'");
                return;
            }
            if (!r->bindingTable().findAction(name)) {
                problem("no action '" + name + "' in " + className(*r));
                return;
            }
            if (auto c = weak.lock()) c->addTarget(r, name, mask);
        });
    }

    std::shared_ptr<View> buildView(const pugi::xml_node& node, int depth) {
        std::string kind = node.name();
        if (depth > kMaxDepth) {
            problem("views nested too deeply");
            return nullptr;
        }
        auto view = makeView(kind, node);
        if (!view) {
            problem("unknown element '" + kind + "'");
            return nullptr;
        }
        for (auto a : node.attributes()) {
            std::string n = a.name();
            std::string value = a.as_string();
            if (LocalizedText::namesKey(value) && applyKeyedText(view, n, value.substr(1))) continue;
            if (apply(*view, view, a) || applyTableAttribute(*view, *view, n, value)) continue;
            problem("unknown attribute '" + n + "' on " + kind);
        }
        std::string outlet = node.attribute("outlet").as_string();
        if (!outlet.empty()) {
            view->setIdentifier(outlet);
            named_[outlet] = view;
            std::shared_ptr<Object> value = view;
            wiring_.push_back([this, outlet, value, kind] { bindOutlet(outlet, value, kind); });
        }
        for (auto child : node.children()) {
            if (child.type() != pugi::node_element) continue;
            std::string name = child.name();
            if (name == "action") {
                addAction(view, child);
            } else if (name == "state") {
                if (auto b = std::dynamic_pointer_cast<Button>(view)) applyButtonState(b, child);
                else problem("a state on a view that is not a button");
            } else if (auto sub = buildView(child, depth + 1)) {
                view->addSubview(sub);
            }
        }
        awake_.push_back(view);
        return view;
    }

    Responder& owner_;
    std::string file_;
    InterfaceLoader::Result& result_;
    std::map<std::string, std::shared_ptr<Object>> named_;
    std::vector<std::function<void()>> wiring_;
    std::vector<std::shared_ptr<View>> awake_;
    std::vector<std::shared_ptr<ImageView>> awakeAnimating_;
    bool viewOutletSet_ = false;
    std::set<std::string> boundOutlets_;

public:
    void startAnimations() {
        for (auto& iv : awakeAnimating_) iv->startAnimating();
    }
};

}  // namespace

void InterfaceLoader::setStrict(bool on) { strictLoading.store(on); }

bool InterfaceLoader::isStrict() { return strictLoading.load(); }

InterfaceLoader::Failure::Failure(const std::string& name, std::vector<std::string> problems)
    : sys::Exception("InterfaceFileException",
                     "interface file " + name + " has " + std::to_string(problems.size()) + " problem(s), the first: " +
                         (problems.empty() ? std::string() : problems.front())),
      problems_(std::move(problems)) {}

void InterfaceLoader::check(const std::string& name, const Result& result) {
    if (isStrict() && !result.problems.empty()) throw Failure(name, result.problems);
}

void InterfaceLoader::setInterfaceRoot(std::string folder) {
    std::lock_guard<std::mutex> lock(rootMutex());
    rootFolder() = std::move(folder);
}

std::string InterfaceLoader::interfaceRoot() {
    std::lock_guard<std::mutex> lock(rootMutex());
    // The bundle's interface folder until a folder is chosen.
    return rootFolder().empty() ? sys::Bundle::main().bundlePath() + "/ui" : rootFolder();
}

InterfaceLoader::Result InterfaceLoader::load(const std::string& name, Responder& owner) {
    std::string root = interfaceRoot();
    std::string path = (root.empty() ? std::string() : root + "/") + name + ".xml";
    // A name is one file of the interface folder: checked before anything is opened.
    bool plainName = !name.empty() && name.find_first_of(std::string("/\0", 2)) == std::string::npos;
    std::ifstream in;
    if (plainName) in.open(path, std::ios::binary);
    if (!plainName || !in) {
        Result r;
        std::string line = "interface file " + name + ": cannot read " + path;
        sys::Log::warning(line);
        r.problems.push_back(line);
        return r;
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return loadFromText(text, owner, name);
}

InterfaceLoader::Result InterfaceLoader::loadFromText(const std::string& xml, Responder& owner, const std::string& name) {
    Result result;
    pugi::xml_document doc;
    auto parsed = doc.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) {
        std::string line = "interface file " + name + ": not well-formed (" + parsed.description() + " at byte " +
                           std::to_string(parsed.offset) + ")";
        sys::Log::warning(line);
        result.problems.push_back(line);
        return result;
    }
    auto root = doc.child("interface");
    if (!root) {
        std::string line = "interface file " + name + ": no <interface> element";
        sys::Log::warning(line);
        result.problems.push_back(line);
        return result;
    }
    Builder builder(owner, name, result);
    builder.build(root);
    builder.startAnimations();
    result.loaded = true;
    return result;
}

}  // namespace zuno::ui
