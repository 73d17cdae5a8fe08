' kiv.dll from VBScript: errors arrive as the store's own numbers in Err, with its description
' and the source Kiv.ConfigFile; optional parameters may be left out. Exits with the number of
' failed checks.
Option Explicit

Dim checks, failures
checks = 0
failures = 0

Sub Check(name, actual, expected)
    checks = checks + 1
    If actual <> expected Then
        failures = failures + 1
        WScript.Echo "FAIL " & name & ": got [" & actual & "], expected [" & expected & "]"
    End If
End Sub

Sub CheckError(name, number, description)
    Check name & " number", Err.Number, number
    Check name & " description", Err.Description, description
    Check name & " source", Err.Source, "Kiv.ConfigFile"
    Err.Clear
End Sub

Class ListBox
    Public Items
    Sub AddItem(text)
        Items = Items & "[" & text & "]"
    End Sub
End Class

Dim kiv, lst
Set kiv = CreateObject("Kiv.ConfigFile")

kiv.WriteValue "Count", "0"
kiv.SetCountAdd "Count"
kiv.SetItemAdd "Count", "Item", "one~two"
kiv.SetCountAdd "Count"
kiv.SetItemAdd "Count", "Item", "three"
Check "GetValue without its default", kiv.GetValue("Missing"), "[NOT FOUND]"
Check "SetCheckDup without UseCaps", kiv.SetCheckDup("Count", "Item", "THREE"), 0
Check "SetCheckDup with UseCaps", kiv.SetCheckDup("Count", "Item", "THREE", True), 2
Set lst = New ListBox
kiv.Set2List lst, "Count", "Item", "~"
Check "Set2List", lst.Items, "[one=two][three]"

On Error Resume Next
kiv.SetCountAdd "NoSuchSet"
CheckError "SetCountAdd of a missing set", 13, "Type mismatch"
kiv.ConfigLoad WScript.Arguments(0) & "\no-such-file.txt"
CheckError "ConfigLoad of a missing file", 53, "File not found"
kiv.WriteAll "no equals sign"
CheckError "WriteAll of a line without =", 5, "Invalid procedure call or argument"
kiv.WriteValue "Top", "2147483647"
kiv.SetCountAdd "Top"
CheckError "SetCountAdd at the largest count", 6, "Overflow"
On Error GoTo 0

WScript.Echo "kiv.dll from VBScript: " & checks & " checks, " & failures & " failing"
WScript.Quit failures
