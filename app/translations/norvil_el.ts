<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Αναίρεση</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Επανάληψη</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Α&amp;ποκοπή</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>Αντι&amp;γραφή</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>Επι&amp;κόλληση</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Διαγραφή</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Επιλογή ό&amp;λων</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>インターネットに接続されていないか、サーバーが停止している可能性があります。</source>
        <translation>Ενδέχεται να μην υπάρχει σύνδεση ή να μη λειτουργεί ο διακομιστής.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση του αριθμού έκδοσης</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση του αριθμού έκδοσης.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Δεν βρέθηκαν πληροφορίες έκδοσης</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Δεν βρέθηκαν πληροφορίες έκδοσης.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Έλεγχος για ενημερώσεις</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Γίνεται έλεγχος για ενημερώσεις…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Κυκλοφόρησε νεότερη έκδοση.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Να ανοίξει η σελίδα λήψης;</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>Άνοιγμα &amp;σελίδας λήψης</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>Όχι &amp;τώρα</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Πληροφορίες εντοπισμού σφαλμάτων ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Κλείσιμο</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Κυκλοφόρησε η νεότερη έκδοση «%1».</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Δεν υπάρχει νεότερη έκδοση.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Η έκδοση που χρησιμοποιείτε είναι η νεότερη.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Δεν ήταν δυνατή η ανάκτηση πληροφοριών έκδοσης.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Το καθορισμένο αρχείο δεν βρέθηκε.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Η καθορισμένη διεύθυνση URL δεν βρέθηκε.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Δεν ήταν δυνατό το άνοιγμα του προγράμματος περιήγησης.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Έλεγχος για ενημερώσεις</translation>
    </message>
</context>
</TS>
