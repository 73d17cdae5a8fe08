// Drives kiv.dll as a script client does: late-bound through IDispatch, created by its ProgID.
// Arguments: the folder (Windows form) where the Linux library left "linux-written.txt", and
// where this script saves "component-saved.txt" and "component-resaved.txt".
// Exits with the number of failed checks.

var folder = WScript.Arguments(0);
var checks = 0;
var failures = 0;

function show(value) {
    if (typeof value !== "string")
        return String(value);
    var out = "";
    for (var i = 0; i < value.length; i++) {
        var c = value.charCodeAt(i);
        if (c === 13)
            out += "\\r";
        else if (c === 10)
            out += "\\n";
        else if (c < 32 || c > 126)
            out += "\\u" + ("000" + c.toString(16).toUpperCase()).slice(-4);
        else
            out += value.charAt(i);
    }
    return out;
}

function check(name, actual, expected) {
    checks++;
    if (actual !== expected) {
        failures++;
        WScript.Echo("FAIL " + name + ": got [" + show(actual) + "], expected [" + show(expected) + "]");
    }
}

// The action must fail with the store's error `number` (a small number arrives in the
// automation error facility, a full code as it is) and its description.
function expectError(name, number, description, action) {
    checks++;
    try {
        action();
    } catch (e) {
        var code = number > 0 && number <= 0xFFFF ? 0x800A0000 + number : number >>> 0;
        check(name + " number", e.number >>> 0, code);
        check(name + " description", e.description, description);
        return;
    }
    failures++;
    WScript.Echo("FAIL " + name + ": no error");
}

function lines(list) {
    return list.join("\r\n");
}

function newStore() {
    return new ActiveXObject("Kiv.ConfigFile");
}

// Keys: lookups, defaults and the sentinel.
var k = newStore();
check("missing key without default", k.GetValue("a"), "[NOT FOUND]");
check("missing key with empty default", k.GetValue("a", ""), "[NOT FOUND]");
check("missing key with default", k.GetValue("a", "fallback"), "fallback");
k.WriteValue("empty", "");
check("empty value ignores default", k.GetValue("empty", "fallback"), "");
k.WriteValue("A", "upper");
check("names are case sensitive", k.GetValue("a"), "[NOT FOUND]");
check("GetName finds the lowest slot", (k.WriteValue("B", "upper"), k.GetName("upper")), "A");
check("GetName of a missing value", k.GetName("nothing"), "[NOT FOUND]");
k.WriteValue("A", "changed");
check("WriteValue replaces", k.GetValue("A"), "changed");
check("GetAll lists slots in order", k.GetAll(), lines(["empty=", "A=changed", "B=upper"]));

// Slots and LastSlot: a deleted key leaves a hole that the next new key fills, LastSlot still
// grows by one, so the slot above the old last one stays free for the key after.
k.DelAll();
check("DelAll empties", k.GetAll(), "");
k.DelAll();
check("DelAll on an empty store", k.GetAll(), "");
k.WriteValue("a", "1");
k.WriteValue("b", "2");
k.WriteValue("c", "3");
k.DelKey("b");
k.DelKey("missing");
k.WriteValue("d", "4");
check("a new key fills the hole", k.GetAll(), lines(["a=1", "d=4", "c=3"]));
k.WriteValueNoCheck("e", "5");
k.WriteValue("f", "6");
check("LastSlot grew past the filled hole", k.GetAll(), lines(["a=1", "d=4", "c=3", "f=6", "e=5"]));
k.WriteValueNoCheck("a", "shadow");
check("the lowest slot of a name answers", k.GetValue("a"), "1");
k.DelKey("a");
check("the shadowed slot answers after DelKey", k.GetValue("a"), "shadow");

// Whole content as text.
k.WriteAll("a=1=2");
check("WriteAll splits at the first =", k.GetValue("a"), "1=2");
k.WriteAll(lines(["k=v", "x=", "k=second"]));
check("WriteAll keeps duplicates", k.GetAll(), lines(["k=v", "x=", "k=second"]));
k.WriteAll("");
check("WriteAll of nothing empties", k.GetAll(), "");

// Text crosses as UTF-16 without loss, also outside the file's code page.
var odd = "\u20AC\u00E9\u03A9\uD83D\uDE00 lone \uD800 end";
k.WriteValue(odd, odd);
check("UTF-16 value round trip", k.GetValue(odd), odd);
check("UTF-16 name round trip", k.GetName(odd), odd);

// Sets.
k.DelAll();
k.WriteValue("List", "0");
var words = ["alpha", "Beta", "gamma"];
for (var i = 0; i < words.length; i++) {
    k.SetCountAdd("List");
    k.SetItemAdd("List", "Item", words[i]);
}
check("count after three appends", k.GetValue("List"), "3");
check("items are numbered from 1", k.GetValue("Item1") + k.GetValue("Item2") + k.GetValue("Item3"),
      "alphaBetagamma");
check("SetCheckDup exact", k.SetCheckDup("List", "Item", "Beta"), 2);
check("SetCheckDup is case sensitive by default", k.SetCheckDup("List", "Item", "BETA"), 0);
check("SetCheckDup with UseCaps", k.SetCheckDup("List", "Item", "GAMMA", true), 3);
check("UseCaps upper-cases only the item", k.SetCheckDup("List", "Item", "gamma", true), 0);
k.SetItemUp("Item", 3);
check("SetItemUp swaps with the item above", k.GetValue("Item2") + k.GetValue("Item3"), "gammaBeta");
k.SetItemDown("Item", 1);
check("SetItemDown swaps with the item below", k.GetValue("Item1") + k.GetValue("Item2"), "gammaalpha");
k.SetItemEdit("Item", 3, "delta");
check("SetItemEdit", k.GetValue("Item3"), "delta");
k.SetCountSub("List");
k.SetItemDel("List", "Item", 2);
check("SetCountSub then SetItemDel closes the gap",
      [k.GetValue("List"), k.GetValue("Item1"), k.GetValue("Item2"), k.GetValue("Item3")].join(","),
      "2,gamma,delta,[NOT FOUND]");
k.SetCopy("List", "Item", "Copy", "C");
check("SetCopy", [k.GetValue("Copy"), k.GetValue("C1"), k.GetValue("C2")].join(","), "2,gamma,delta");
k.WriteValue("None", "0");
k.SetCopy("None", "N", "Copy2", "D");
check("SetCopy of an empty set writes 0", k.GetValue("Copy2"), "0");
k.SetDel("Copy", "C");
check("SetDel keeps the count key", [k.GetValue("Copy"), k.GetValue("C1")].join(","), "2,[NOT FOUND]");

var text = "one & two\r\nthree & four\r\nfive";
k.SetSplit("Split", "S", text, 4);
check("SetSplit count", k.GetValue("Split"), "8");
check("SetSplit escapes & in an item", k.GetValue("S2"), "&\u00E5; tw");
check("SetJoin gives the split text back", k.SetJoin("Split", "S"), text);
check("SetJoin of a missing set", k.SetJoin("NoSuchSet", "Z"), "");
k.SetSplit("Split", "S", "", 4);
check("SetSplit of nothing", k.GetValue("Split") + k.GetValue("S1"), "0[NOT FOUND]");

var added = [];
var list = {AddItem: function (item) { added.push(item); }};
k.WriteValue("Pairs", "2");
k.WriteValue("P1", "a<eq>1");
k.WriteValue("P2", "b<eq>2<eq>");
k.Set2List(list, "Pairs", "P", "<eq>");
k.Set2List(list, "Pairs", "P");
check("Set2List adds through AddItem", added.join("|"), "a=1|b=2=|a<eq>1|b<eq>2<eq>");
// A failure of the list passes through with its number: a full code as it is, a small one in
// the automation error facility.
expectError("Set2List whose AddItem fails with a full code", -2147220991, "The list's AddItem failed",
            function () {
                k.Set2List({AddItem: function () { throw new Error(-2147220991, "no TEMP"); }}, "Pairs", "P");
            });
expectError("Set2List whose AddItem fails with a small number", 70, "Permission denied",
            function () {
                k.Set2List({AddItem: function () { throw new Error(0x800A0046, "denied"); }}, "Pairs", "P");
            });
var handled = 0;
var outcome = "no error";
try {
    k.Set2List({AddItem: function () {
        try { k.SetCountAdd("NoSuchSet"); } catch (inner) { handled++; }
    }}, "Pairs", "P");
} catch (e) {
    outcome = e.description;
}
check("an error handled inside AddItem leaves Set2List succeeding", outcome + " " + handled, "no error 2");
expectError("Set2List without AddItem", 438, "Object doesn't support this property or method",
            function () { k.Set2List({}, "Pairs", "P"); });

// Capacity: 262,144 slots.
var full = [];
for (var n = 0; n < 262144; n++)
    full.push("k" + n + "=" + n);
k.WriteAll(full.join("\r\n"));
check("a full store", k.GetValue("k262143"), "262143");
k.WriteValue("k5", "five");
check("a full store still replaces", k.GetValue("k5"), "five");
expectError("WriteValue of a new key when full", 9, "Subscript out of range",
            function () { k.WriteValue("new", "1"); });
expectError("WriteValueNoCheck when full", 9, "Subscript out of range",
            function () { k.WriteValueNoCheck("new", "1"); });
check("the store is unchanged after the refusals", k.GetValue("new") + k.GetValue("k262143"),
      "[NOT FOUND]262143");
full.push("k262144=over");
expectError("WriteAll of one line too many", 9, "Subscript out of range",
            function () { k.WriteAll(full.join("\r\n")); });
check("the failed WriteAll leaves the store empty", k.GetAll(), "");
full = null;

// Errors.
var e = newStore();
expectError("SetCountAdd of a missing set", 13, "Type mismatch", function () { e.SetCountAdd("Nope"); });
e.WriteValue("Words", "many");
expectError("SetCheckDup of a count that is no number", 13, "Type mismatch",
            function () { e.SetCheckDup("Words", "W", "x"); });
e.WriteValue("Top", "2147483647");
expectError("SetCountAdd at the largest count", 6, "Overflow", function () { e.SetCountAdd("Top"); });
e.WriteValue("keep", "1");
expectError("WriteAll ending in a line break", 5, "Invalid procedure call or argument",
            function () { e.WriteAll("a=1\r\n"); });
check("the failed WriteAll leaves the store empty", e.GetAll(), "");
e.WriteValue("keep", "1");
expectError("ConfigLoad of a missing file", 53, "File not found",
            function () { e.ConfigLoad(folder + "\\no-such-file.txt"); });
check("the failed load leaves the store empty", e.GetAll(), "");
expectError("ConfigLoad in a missing folder", 76, "Path not found",
            function () { e.ConfigLoad(folder + "\\no-such-folder\\file.txt"); });
e.WriteValue("keep", "1");
expectError("ConfigSave into a missing folder", 76, "Path not found",
            function () { e.ConfigSave(folder + "\\no-such-folder\\file.txt"); });
check("the failed save leaves the store as it was", e.GetAll(), "keep=1");

// Files: the same calls as the Linux library's sample make the same bytes.
var s = newStore();
s.WriteValue("Screens_11", "3");
s.WriteValue("Name", "");
s.WriteValue("Caf\u00E9", "\u20AC 5 = five");
s.WriteValue("gone", "x");
s.WriteValue("Quote", "\u201CA\u201D \u2013 \u00C5\u00E7");
s.DelKey("gone");
s.WriteValue("Greek", "\u03A9mega");
s.SetSplit("Notes", "Note", "Line 1\r\nA & B\r\nLine 3", 8);
s.WriteValueNoCheck("Screens_11", "dup");
s.WriteValue("Controls", "\u0081\u008D\u008F\u0090\u009D");
s.ConfigSave(folder + "\\component-saved.txt");

// A file of the Linux library loads unchanged and saves back to the same bytes.
var l = newStore();
l.ConfigLoad(folder + "\\linux-written.txt");
check("Linux file: euro sign", l.GetValue("Price"), "12 \u20AC");
check("Linux file: accented name", l.GetValue("\u00DCn\u00EFc\u00F6d\u00E9"),
      "\u0152uvre \u2013 \u2018x\u2019 \u00FF");
check("Linux file: escaped set", l.SetJoin("Text", "T"), "one & two\r\nthree");
check("Linux file: empty value", l.GetValue("Empty", "d"), "");
check("Linux file: value with =", l.GetValue("eq"), "a=b=c");
check("Linux file: undefined code page bytes", l.GetValue("Controls"), "\u0081\u008D\u008F\u0090\u009D");
l.ConfigSave(folder + "\\component-resaved.txt");

WScript.Echo("kiv.dll from JScript: " + checks + " checks, " + failures + " failing");
WScript.Quit(failures);
