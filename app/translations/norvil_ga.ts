<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ga" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Cealaigh</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Athdhéan</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;Gearr</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>Cói&amp;peáil</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>G&amp;reamaigh</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Scrios</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Roghnaigh &amp;uile</translation>
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
        <translation>B’fhéidir nach bhfuil tú ar líne nó go bhfuil an freastalaí as feidhm.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Níorbh fhéidir an uimhir leagain a léamh</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Níorbh fhéidir an uimhir leagain a léamh.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Níor aimsíodh an fhaisnéis leagain</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Níor aimsíodh an fhaisnéis leagain.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Lorg nuashonruithe</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Nuashonruithe á lorg…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Tá leagan níos nuaí foilsithe.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>An dteastaíonn uait an leathanach íoslódála a oscailt?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Oscail leathanach íoslódála</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Ní anois</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Faisnéis dífhabhtaithe ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Dún</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Tá an leagan is nuaí, %1, foilsithe.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Níl leagan níos nuaí ar fáil.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Is é an leagan is nuaí atá in úsáid agat.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Níorbh fhéidir an fhaisnéis leagain a fháil.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Níor aimsíodh an comhad sonraithe.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Níor aimsíodh an URL sonraithe.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Níorbh fhéidir an brabhsálaí a oscailt.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Lorg nuashonruithe</translation>
    </message>
</context>
</TS>
