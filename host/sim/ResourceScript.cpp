#include "host/sim/ResourceScript.hpp"

#include <cctype>
#include <fstream>
#include <sstream>

namespace krx::sim {
namespace {

// Lexemes of one script: the tokens a block keeps, plus the punctuation and line ends the parser
// needs to find blocks, items and preprocessor lines.
struct Lexeme {
    enum class Kind { Token, Type, LBrace, RBrace, Directive, Newline };
    Kind kind = Kind::Token;
    ResourceToken token;  // for Token; text also holds the type name or directive word
};

std::string where(const std::string& file, int line) {
    return file + ":" + std::to_string(line) + ": ";
}

bool isIdentStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '_';
}

bool isIdentChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

class Lexer {
public:
    Lexer(const std::string& text, const std::string& file) : text_(text), file_(file) {}

    bool run(std::vector<Lexeme>* out, std::string* error) {
        bool lineStart = true;
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                push(Lexeme::Kind::Newline, {});
                ++line_;
                ++pos_;
                lineStart = true;
                continue;
            }
            if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
                ++pos_;
                continue;
            }
            if (c == '/' && peek(1) == '/') {
                while (pos_ < text_.size() && text_[pos_] != '\n') {
                    ++pos_;
                }
                continue;
            }
            if (c == '/' && peek(1) == '*') {
                const int startLine = line_;
                pos_ += 2;
                while (pos_ < text_.size() && !(text_[pos_] == '*' && peek(1) == '/')) {
                    if (text_[pos_] == '\n') {
                        ++line_;
                    }
                    ++pos_;
                }
                if (pos_ >= text_.size()) {
                    return fail(error, startLine, "unterminated comment");
                }
                pos_ += 2;
                continue;
            }
            const bool atLineStart = lineStart;
            lineStart = false;
            if (c == '#' && atLineStart) {
                ++pos_;
                std::string word;
                while (pos_ < text_.size() && isIdentChar(text_[pos_])) {
                    word += text_[pos_++];
                }
                Lexeme lexeme;
                lexeme.kind = Lexeme::Kind::Directive;
                lexeme.token.text = word;
                lexeme.token.line = line_;
                out_.push_back(lexeme);
                continue;
            }
            if (c == '"') {
                if (!string(error)) {
                    return false;
                }
                continue;
            }
            if (c == '\'') {
                const std::size_t end = text_.find('\'', pos_ + 1);
                if (end == std::string::npos || text_.find('\n', pos_) < end) {
                    return fail(error, line_, "unterminated resource type");
                }
                Lexeme lexeme;
                lexeme.kind = Lexeme::Kind::Type;
                lexeme.token.text = text_.substr(pos_ + 1, end - pos_ - 1);
                lexeme.token.line = line_;
                out_.push_back(lexeme);
                pos_ = end + 1;
                continue;
            }
            if (c == '{' || c == '}') {
                push(c == '{' ? Lexeme::Kind::LBrace : Lexeme::Kind::RBrace, {});
                ++pos_;
                continue;
            }
            if (c == '|') {
                ResourceToken token;
                token.kind = ResourceToken::Kind::Bar;
                token.text = "|";
                push(Lexeme::Kind::Token, token);
                ++pos_;
                continue;
            }
            if (std::isdigit(static_cast<unsigned char>(c)) != 0 ||
                ((c == '-' || c == '+') && std::isdigit(static_cast<unsigned char>(peek(1))) != 0)) {
                if (!number(error)) {
                    return false;
                }
                continue;
            }
            if (isIdentStart(c)) {
                ResourceToken token;
                token.kind = ResourceToken::Kind::Identifier;
                while (pos_ < text_.size() && isIdentChar(text_[pos_])) {
                    token.text += text_[pos_++];
                }
                push(Lexeme::Kind::Token, token);
                continue;
            }
            return fail(error, line_, std::string("unexpected character '") + c + "'");
        }
        push(Lexeme::Kind::Newline, {});
        *out = std::move(out_);
        return true;
    }

private:
    char peek(std::size_t ahead) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }

    void push(Lexeme::Kind kind, ResourceToken token) {
        Lexeme lexeme;
        lexeme.kind = kind;
        token.line = line_;
        lexeme.token = std::move(token);
        out_.push_back(std::move(lexeme));
    }

    bool fail(std::string* error, int line, const std::string& message) const {
        if (error != nullptr) {
            *error = where(file_, line) + message;
        }
        return false;
    }

    bool string(std::string* error) {
        ResourceToken token;
        token.kind = ResourceToken::Kind::String;
        ++pos_;
        while (true) {
            if (pos_ >= text_.size() || text_[pos_] == '\n') {
                return fail(error, line_, "unterminated string");
            }
            const char c = text_[pos_++];
            if (c == '"') {
                break;
            }
            if (c != '\\') {
                token.text += c;
                continue;
            }
            if (pos_ >= text_.size()) {
                return fail(error, line_, "unterminated string");
            }
            const char escaped = text_[pos_++];
            switch (escaped) {
                case 'n':
                    token.text += '\n';
                    break;
                case 't':
                    token.text += '\t';
                    break;
                case 'r':
                    token.text += '\r';
                    break;
                case '"':
                case '\\':
                case '\'':
                    token.text += escaped;
                    break;
                default:
                    return fail(error, line_, std::string("unknown escape \\") + escaped);
            }
        }
        push(Lexeme::Kind::Token, token);
        return true;
    }

    bool number(std::string* error) {
        ResourceToken token;
        token.kind = ResourceToken::Kind::Number;
        const std::size_t start = pos_;
        if (text_[pos_] == '-' || text_[pos_] == '+') {
            ++pos_;
        }
        while (pos_ < text_.size() && isIdentChar(text_[pos_])) {
            ++pos_;
        }
        token.text = text_.substr(start, pos_ - start);
        try {
            std::size_t used = 0;
            token.number = std::stoll(token.text, &used, 0);
            if (used != token.text.size()) {
                return fail(error, line_, "bad number '" + token.text + "'");
            }
        } catch (const std::exception&) {
            return fail(error, line_, "bad number '" + token.text + "'");
        }
        push(Lexeme::Kind::Token, token);
        return true;
    }

    const std::string& text_;
    const std::string& file_;
    std::size_t pos_ = 0;
    int line_ = 1;
    std::vector<Lexeme> out_;
};

std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

bool readWhole(const std::string& path, std::string* text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    *text = buffer.str();
    return true;
}

constexpr int kMaxIncludeDepth = 16;

}  // namespace

const ResourceItem* ResourceBlock::item(int index) const {
    if (index < 1 || index > static_cast<int>(items.size())) {
        return nullptr;
    }
    return &items[static_cast<std::size_t>(index - 1)];
}

bool ResourceScript::addFile(const std::string& path, std::string* error,
                             const std::vector<std::string>& includeDirs) {
    std::string text;
    if (!readWhole(path, &text)) {
        if (error != nullptr) {
            *error = path + ": cannot be read";
        }
        return false;
    }
    return parse(text, path, directoryOf(path), includeDirs, error, 0);
}

bool ResourceScript::addText(const std::string& text, const std::string& fileName, std::string* error,
                             const std::vector<std::string>& includeDirs) {
    return parse(text, fileName, ".", includeDirs, error, 0);
}

const ResourceBlock* ResourceScript::find(const std::string& type, int id) const {
    for (const ResourceBlock& block : blocks_) {
        if (block.type == type && block.id == id) {
            return &block;
        }
    }
    return nullptr;
}

std::optional<std::string> ResourceScript::indString(int id, int index) const {
    const ResourceBlock* block = find("STR#", id);
    if (block == nullptr) {
        return std::nullopt;
    }
    const ResourceItem* line = block->item(index);
    if (line == nullptr) {
        return std::nullopt;
    }
    for (const ResourceToken& token : line->tokens) {
        if (token.kind == ResourceToken::Kind::String) {
            return token.text;
        }
    }
    return std::nullopt;
}

int ResourceScript::stringCount(int id) const {
    const ResourceBlock* block = find("STR#", id);
    return block == nullptr ? 0 : static_cast<int>(block->items.size());
}

bool ResourceScript::parse(const std::string& text, const std::string& fileName, const std::string& fileDir,
                           const std::vector<std::string>& includeDirs, std::string* error, int depth) {
    auto fail = [&](int line, const std::string& message) {
        if (error != nullptr) {
            *error = where(fileName, line) + message;
        }
        return false;
    };
    if (depth > kMaxIncludeDepth) {
        return fail(1, "includes nested too deeply");
    }
    std::vector<Lexeme> lexemes;
    if (!Lexer(text, fileName).run(&lexemes, error)) {
        return false;
    }

    // Identifiers that name a #define are replaced by its value, as the preprocessor would.
    auto expand = [&](const ResourceToken& token, std::vector<ResourceToken>* out) {
        if (token.kind == ResourceToken::Kind::Identifier) {
            auto it = defines_.find(token.text);
            if (it != defines_.end()) {
                for (ResourceToken value : it->second) {
                    value.line = token.line;
                    out->push_back(value);
                }
                return;
            }
        }
        out->push_back(token);
    };

    enum class State { Outside, Header, Items };
    State state = State::Outside;
    ResourceBlock block;
    ResourceItem current;
    bool haveId = false;

    std::size_t i = 0;
    while (i < lexemes.size()) {
        const Lexeme& lexeme = lexemes[i];
        if (lexeme.kind == Lexeme::Kind::Directive) {
            std::vector<ResourceToken> rest;
            std::size_t j = i + 1;
            for (; j < lexemes.size() && lexemes[j].kind != Lexeme::Kind::Newline; ++j) {
                if (lexemes[j].kind != Lexeme::Kind::Token) {
                    return fail(lexeme.token.line, "unexpected punctuation in #" + lexeme.token.text);
                }
                rest.push_back(lexemes[j].token);
            }
            const std::string& word = lexeme.token.text;
            if (word == "define") {
                if (rest.empty() || rest[0].kind != ResourceToken::Kind::Identifier) {
                    return fail(lexeme.token.line, "#define needs a name");
                }
                std::vector<ResourceToken> value;
                for (std::size_t k = 1; k < rest.size(); ++k) {
                    expand(rest[k], &value);
                }
                defines_[rest[0].text] = value;
            } else if (word == "include") {
                if (rest.size() != 1 || rest[0].kind != ResourceToken::Kind::String) {
                    return fail(lexeme.token.line, "#include needs one quoted file name");
                }
                std::vector<std::string> candidates{fileDir + "/" + rest[0].text};
                for (const std::string& dir : includeDirs) {
                    candidates.push_back(dir + "/" + rest[0].text);
                }
                bool found = false;
                for (const std::string& candidate : candidates) {
                    std::string included;
                    if (readWhole(candidate, &included)) {
                        if (!parse(included, candidate, directoryOf(candidate), includeDirs, error,
                                   depth + 1)) {
                            return false;
                        }
                        found = true;
                        break;
                    }
                }
                if (!found) {
                    return fail(lexeme.token.line, "cannot find include \"" + rest[0].text + "\"");
                }
            } else if (word != "pragma" && word != "ifndef" && word != "ifdef" && word != "endif") {
                return fail(lexeme.token.line, "unsupported directive #" + word);
            }
            i = j;
            continue;
        }

        switch (state) {
            case State::Outside:
                if (lexeme.kind == Lexeme::Kind::Newline) {
                    break;
                }
                if (lexeme.kind != Lexeme::Kind::Type) {
                    return fail(lexeme.token.line, "expected a resource type such as 'STR#'");
                }
                block = ResourceBlock();
                block.type = lexeme.token.text;
                block.file = fileName;
                block.line = lexeme.token.line;
                haveId = false;
                state = State::Header;
                break;
            case State::Header:
                if (lexeme.kind == Lexeme::Kind::Newline) {
                    break;
                }
                if (lexeme.kind == Lexeme::Kind::LBrace) {
                    if (!haveId) {
                        return fail(lexeme.token.line, "resource '" + block.type + "' has no id");
                    }
                    current = ResourceItem();
                    state = State::Items;
                    break;
                }
                if (lexeme.kind != Lexeme::Kind::Token) {
                    return fail(lexeme.token.line,
                                "unexpected punctuation in the header of '" + block.type + "'");
                }
                if (!haveId) {
                    std::vector<ResourceToken> id;
                    expand(lexeme.token, &id);
                    if (id.size() != 1 || id[0].kind != ResourceToken::Kind::Number) {
                        return fail(lexeme.token.line,
                                    "resource id '" + lexeme.token.text + "' is not a number");
                    }
                    block.id = static_cast<int>(id[0].number);
                    haveId = true;
                } else {
                    expand(lexeme.token, &block.header);
                }
                break;
            case State::Items:
                if (lexeme.kind == Lexeme::Kind::Token) {
                    if (current.tokens.empty()) {
                        current.line = lexeme.token.line;
                    }
                    expand(lexeme.token, &current.tokens);
                    break;
                }
                if (lexeme.kind == Lexeme::Kind::Newline || lexeme.kind == Lexeme::Kind::RBrace) {
                    if (!current.tokens.empty()) {
                        block.items.push_back(current);
                        current = ResourceItem();
                    }
                    if (lexeme.kind == Lexeme::Kind::RBrace) {
                        if (find(block.type, block.id) != nullptr) {
                            return fail(block.line, "resource '" + block.type + "' " +
                                                        std::to_string(block.id) + " is defined twice");
                        }
                        blocks_.push_back(block);
                        state = State::Outside;
                    }
                    break;
                }
                return fail(lexeme.token.line,
                            "unexpected punctuation inside '" + block.type + "' " + std::to_string(block.id));
        }
        ++i;
    }
    if (state != State::Outside) {
        return fail(block.line, "resource '" + block.type + "' is not closed");
    }
    return true;
}

}  // namespace krx::sim
