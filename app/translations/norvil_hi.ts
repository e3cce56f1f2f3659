<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>पूर्ववत करें(&amp;U)</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>फिर से करें(&amp;R)</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>काटें(&amp;T)</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>कॉपी करें(&amp;C)</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>चिपकाएँ(&amp;P)</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>हटाएँ(&amp;D)</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>सभी का चयन करें(&amp;A)</translation>
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
        <translation>हो सकता है कि आप इंटरनेट से कनेक्ट न हों या सर्वर बंद हो।</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>संस्करण संख्या पढ़ी नहीं जा सकी</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>संस्करण संख्या पढ़ी नहीं जा सकी।</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>संस्करण जानकारी नहीं मिली</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>संस्करण जानकारी नहीं मिली।</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>अपडेट की जाँच</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>अपडेट की जाँच की जा रही है…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>नवीनतम संस्करण प्रकाशित हुआ है।</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>डाउनलोड पृष्ठ खोलें?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>डाउनलोड पृष्ठ खोलें(&amp;O)</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>अभी नहीं(&amp;C)</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- डीबग जानकारी ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>बंद करें(&amp;C)</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>नवीनतम संस्करण “%1” प्रकाशित हुआ है।</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>कोई नया संस्करण उपलब्ध नहीं है।</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>आप जिस संस्करण का उपयोग कर रहे हैं, वह नवीनतम है।</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>संस्करण जानकारी प्राप्त नहीं की जा सकी।</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>निर्दिष्ट फ़ाइल नहीं मिली।</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>निर्दिष्ट URL नहीं मिला।</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>ब्राउज़र नहीं खोला जा सका।</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – अपडेट की जाँच</translation>
    </message>
</context>
</TS>
